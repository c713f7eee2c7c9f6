#include "ui/TickBoxAccessible.h"

#include "ui/TickBox.h"

#include <QKeySequence>

namespace voltrail {

namespace {

QAccessibleInterface* TickBoxFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String(TickBox::staticMetaObject.className()))
        return nullptr;
    auto* box = qobject_cast<TickBox*>(object);
    return box ? new TickBoxAccessible(box) : nullptr;
}

// The caption as spoken: "&&" is a shown ampersand, a lone "&" marks the access key.
QString Spoken(const QString& caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

} // namespace

TickBoxAccessible::TickBoxAccessible(TickBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

void TickBoxAccessible::Register()
{
    static const bool registered = [] {
        QAccessible::installFactory(TickBoxFactory);
        return true;
    }();
    (void)registered;
}

TickBox* TickBoxAccessible::box() const
{
    return static_cast<TickBox*>(widget());
}

QAccessible::State TickBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = box()->checkState() == Qt::Checked;
    state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
    state.pressed = box()->isDown();
    return state;
}

QString TickBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Spoken(box()->text());
    return QAccessibleWidget::text(t);
}

QStringList TickBoxAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return QAccessibleWidget::actionNames();
    return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
}

void TickBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == toggleAction() || actionName == pressAction()) {
        if (widget()->isEnabled())
            box()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList TickBoxAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == toggleAction())
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace voltrail
