#include "support/ControlTable.h"

#include "settings/Placement.h"
#include "ui/TickBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>

namespace voltrail::test {

namespace {

const char* KindName(Kind kind)
{
    switch (kind) {
    case Kind::Button:
        return "button";
    case Kind::PictureButton:
        return "picture button";
    case Kind::PictureCaptionButton:
        return "button with picture and caption";
    case Kind::TickBox:
        return "tick box";
    case Kind::Label:
        return "label";
    case Kind::TextBox:
        return "text box";
    case Kind::MultiLineTextBox:
        return "multi-line text box";
    case Kind::Frame:
        return "frame";
    case Kind::Line:
        return "line";
    case Kind::Timer:
        return "timer";
    }
    return "?";
}

QString LiveKind(const QWidget& control)
{
    if (qobject_cast<const TickBox*>(&control))
        return QLatin1String(KindName(Kind::TickBox));
    if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        const bool picture = !button->icon().isNull();
        const bool caption = !button->text().isEmpty();
        return QLatin1String(KindName(picture && caption ? Kind::PictureCaptionButton
                                      : picture          ? Kind::PictureButton
                                                         : Kind::Button));
    }
    if (qobject_cast<const QLabel*>(&control))
        return QLatin1String(KindName(Kind::Label));
    if (qobject_cast<const QLineEdit*>(&control))
        return QLatin1String(KindName(Kind::TextBox));
    if (qobject_cast<const QPlainTextEdit*>(&control))
        return QLatin1String(KindName(Kind::MultiLineTextBox));
    if (qobject_cast<const QGroupBox*>(&control))
        return QLatin1String(KindName(Kind::Frame));
    if (auto* frame = qobject_cast<const QFrame*>(&control);
        frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine))
        return QLatin1String(KindName(Kind::Line));
    return QLatin1String(control.metaObject()->className());
}

QString LiveText(const QWidget& control)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(&control))
        return box->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(&control))
        return box->toPlainText();
    if (auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    return {};
}

bool LiveReadOnly(const QWidget& control)
{
    if (auto* box = qobject_cast<const QLineEdit*>(&control))
        return box->isReadOnly();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(&control))
        return box->isReadOnly();
    return false;
}

QRect Pixels(const QRect& twips)
{
    return {TwipsToPixels(static_cast<float>(twips.x())), TwipsToPixels(static_cast<float>(twips.y())),
            TwipsToPixels(static_cast<float>(twips.width())),
            TwipsToPixels(static_cast<float>(twips.height()))};
}

bool TakesTab(Kind kind)
{
    switch (kind) {
    case Kind::Button:
    case Kind::PictureButton:
    case Kind::PictureCaptionButton:
    case Kind::TickBox:
    case Kind::TextBox:
    case Kind::MultiLineTextBox:
        return true;
    default:
        return false;
    }
}

} // namespace

QRect Unplaced()
{
    return {};
}

QRect LineTwips(int x1, int y1, int x2, int y2)
{
    return {x1, y1, std::max(x2 - x1, kTwipsPerPixel), std::max(y2 - y1, kTwipsPerPixel)};
}

void AddControlRows(const QList<ControlRow>& table)
{
    QTest::addColumn<ControlRow>("control");
    for (const ControlRow& row : table)
        QTest::newRow(qPrintable(row.name)) << row;
}

void CompareControl(QWidget& window, const ControlRow& row)
{
    if (row.kind == Kind::Timer) {
        auto* timer = window.findChild<QTimer*>(row.name);
        QVERIFY2(timer, qPrintable(row.name + QStringLiteral(" is missing")));
        QCOMPARE(timer->isActive(), row.enabled);
        return;
    }
    // The table's own names: several windows carry controls of the same name
    // in nested windows, so only this window's own children count.
    QWidget* control = nullptr;
    for (QWidget* candidate : window.findChildren<QWidget*>(row.name))
        if (candidate->window() == &window)
            control = candidate;
    QVERIFY2(control, qPrintable(row.name + QStringLiteral(" is missing")));
    QCOMPARE(LiveKind(*control), QLatin1String(KindName(row.kind)));
    QCOMPARE(LiveText(*control), row.text);
    QCOMPARE(control->toolTip(), row.toolTip);
    if (!row.twips.isNull())
        QCOMPARE(QRect(control->mapTo(&window, QPoint(0, 0)), control->size()), Pixels(row.twips));
    QCOMPARE(control->isVisibleTo(&window), row.visible);
    QCOMPARE(control->isEnabled(), row.enabled);
    QCOMPARE(LiveReadOnly(*control), row.readOnly);
    if (auto* box = qobject_cast<TickBox*>(control))
        QCOMPARE(int(box->value()), row.value);
    // A shown tab stop takes Tab focus; anything else shown never does.
    if (row.visible) {
        const bool tabStop = (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        QCOMPARE(tabStop, row.tab >= 0 && TakesTab(row.kind));
    }
}

void CompareWindow(QWidget& window, const WindowRow& row)
{
    QCOMPARE(window.objectName(), row.name);
    QCOMPARE(window.windowTitle(), row.caption);
    // What the frame shows; Qt adds hints of its own (the system menu) to these.
    const Qt::WindowFlags shown = Qt::WindowType_Mask | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                  Qt::WindowMinMaxButtonsHint | Qt::MSWindowsFixedSizeDialogHint |
                                  Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint |
                                  Qt::WindowContextHelpButtonHint | Qt::CustomizeWindowHint;
    QCOMPARE(window.windowFlags() & shown, row.flags);
    QCOMPARE(window.isModal(), row.modal);
    // Every window carries the program's icon.
    QVERIFY(!window.windowIcon().isNull());
    // Fixed: the person can move it but not resize it.
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.frameGeometry().size(),
             QSize(TwipsToPixels(static_cast<float>(row.outerTwips.width())),
                   TwipsToPixels(static_cast<float>(row.outerTwips.height()))));
    QStringList defaults;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isDefault())
            defaults << button->objectName();
    QCOMPARE(defaults, row.defaultButton.isEmpty() ? QStringList() : QStringList{row.defaultButton});
}

QStringList ControlsMissingFromTable(QWidget& window, const QList<ControlRow>& table)
{
    QStringList listed;
    for (const ControlRow& row : table)
        listed << row.name;
    QStringList missing;
    for (QObject* child : window.findChildren<QObject*>()) {
        const QString name = child->objectName();
        auto* widget = qobject_cast<QWidget*>(child);
        const bool control = (widget && widget->window() == &window) || qobject_cast<QTimer*>(child);
        if (control && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !listed.contains(name))
            missing << name;
    }
    return missing;
}

QStringList ShownRowsOutside(const QList<ControlRow>& table, QSize clientTwips)
{
    QStringList outside;
    for (const ControlRow& row : table)
        if (row.visible && !row.twips.isNull() && !QRect(QPoint(0, 0), clientTwips).contains(row.twips))
            outside << row.name;
    return outside;
}

QStringList LiveTabOrder(QWidget& window)
{
    // From the control that has the focus when the window opens, once round.
    QWidget* first = window.focusWidget() ? window.focusWidget() : window.nextInFocusChain();
    QStringList order;
    QWidget* w = first;
    do {
        const bool stop = w->window() == &window && w->isVisibleTo(&window) && w->isEnabled() &&
                          (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (stop && !order.contains(w->objectName()))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first);
    return order;
}

QStringList TableTabOrder(const QList<ControlRow>& table)
{
    QList<ControlRow> stops;
    for (const ControlRow& row : table)
        if (row.tab >= 0 && TakesTab(row.kind) && row.visible && row.enabled)
            stops << row;
    std::stable_sort(stops.begin(), stops.end(),
                     [](const ControlRow& a, const ControlRow& b) { return a.tab < b.tab; });
    QStringList order;
    for (const ControlRow& row : stops)
        order << row.name;
    return order;
}

} // namespace voltrail::test
