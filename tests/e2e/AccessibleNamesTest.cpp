// Screen readers and GUI automation find controls by their accessible names.
// Every window is opened and its accessible tree walked: each visible control
// a person can press or type into must be reachable there, with a name.
#include "support/EveryWindow.h"
#include "support/WindowTestBase.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>
#include <type_traits>

using namespace voltrail;
using namespace voltrail::test;

namespace {

bool IsOperable(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
}

// Every object the accessible tree reaches from the window, with its name.
void CollectNames(QAccessibleInterface* node, QHash<QObject*, QString>& names, int depth = 0)
{
    if (!node || depth > 64)
        return;
    if (QObject* object = node->object())
        names.insert(object, node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        CollectNames(node->child(i), names, depth + 1);
}

QString Describe(QWidget* w)
{
    return QStringLiteral("%1 (%2)").arg(w->objectName().isEmpty() ? QStringLiteral("<unnamed>")
                                                                   : w->objectName(),
                                         QString::fromLatin1(w->metaObject()->className()));
}

} // namespace

class AccessibleNamesTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

private slots:
    void init()
    {
        ResetFixture();
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

    void cleanup() { bar.reset(); }

    void everyOperableControlHasAName_data()
    {
        QTest::addColumn<WindowOpener>("open");
        QTest::newRow("ZT_VOLTRAIL_MAIN") << WindowOpener{}; // the bar itself
        for (const auto& [name, open] : EverySecondaryWindow())
            QTest::newRow(name) << open;
    }

    void everyOperableControlHasAName()
    {
        QFETCH(WindowOpener, open);
        std::unique_ptr<QWidget> opened = open ? open(*services, *bar) : nullptr;
        QWidget* window = opened ? opened.get() : bar.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));

        QHash<QObject*, QString> names;
        CollectNames(QAccessible::queryAccessibleInterface(window), names);

        QStringList faults;
        int checked = 0;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!IsOperable(control) || !control->isVisibleTo(window))
                continue;
            ++checked;
            const auto found = names.constFind(control);
            if (found == names.cend())
                faults << Describe(control) + QStringLiteral(": not in the accessible tree");
            else if (found->trimmed().isEmpty())
                faults << Describe(control) + QStringLiteral(": no accessible name");
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(QStringLiteral("; "))));
        qInfo("%d controls named", checked);
    }

    // The check itself must catch a nameless control, or it proves nothing.
    void aNamelessControlIsCaught()
    {
        auto* stray = new QLineEdit(bar.get());
        stray->show();
        QHash<QObject*, QString> names;
        CollectNames(QAccessible::queryAccessibleInterface(bar.get()), names);
        QVERIFY(names.contains(stray));
        QVERIFY(names.value(stray).trimmed().isEmpty());
        QVERIFY(names.contains(bar->RUN_NOW_BUTTON));
        QCOMPARE(names.value(bar->RUN_NOW_BUTTON), QStringLiteral("RUN NOW"));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
