#include "ui/TickBox.h"
#include "ui/Controls.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

using namespace voltrail;

namespace {

// One way of changing a tick box, as code, a person or a screen reader does it.
void Change(TickBox& box, const QString& how)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    if (how == QLatin1String("click"))
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    else if (how == QLatin1String("space"))
        QTest::keyClick(&box, Qt::Key_Space);
    else if (how == QLatin1String("setChecked(true)"))
        box.setChecked(true);
    else if (how == QLatin1String("setChecked(false)"))
        box.setChecked(false);
    else if (how == QLatin1String("toggle"))
        box.toggle();
    else if (how == QLatin1String("setCheckState(Checked)"))
        box.setCheckState(Qt::Checked);
    else if (how == QLatin1String("setCheckState(Unchecked)"))
        box.setCheckState(Qt::Unchecked);
    else if (how == QLatin1String("setCheckState(Partially)"))
        box.setCheckState(Qt::PartiallyChecked);
    else if (how == QLatin1String("accessible toggle"))
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    else if (how == QLatin1String("accessible press"))
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    else if (how == QLatin1String("setValue(1)"))
        box.setValue(1);
    else if (how == QLatin1String("setValue(0)"))
        box.setValue(0);
    else
        QFAIL(qPrintable(QStringLiteral("no such change: ") + how));
}

// The rows of the area that hold any ink (anything but the background).
QList<int> InkRows(const QImage& image, const QRect& area)
{
    const QRgb background = image.pixel(area.right(), area.top());
    QList<int> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

int InkTop(const QImage& image, const QRect& area)
{
    const QList<int> rows = InkRows(image, area);
    return rows.isEmpty() ? -1 : rows.first();
}

int InkBottom(const QImage& image, const QRect& area)
{
    const QList<int> rows = InkRows(image, area);
    return rows.isEmpty() ? -1 : rows.last();
}

} // namespace

class TickBoxTest : public QObject {
    Q_OBJECT
private slots:
    void clicksAndCodeChangeTheValue_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("afterClick");
        QTest::addColumn<int>("shownState");
        QTest::newRow("clear") << 0 << 1 << int(Qt::Unchecked);
        QTest::newRow("ticked") << 1 << 0 << int(Qt::Checked);
        QTest::newRow("stored 2") << 2 << 1 << int(Qt::PartiallyChecked);
        QTest::newRow("stored -1") << -1 << 1 << int(Qt::PartiallyChecked);
    }

    void clicksAndCodeChangeTheValue()
    {
        QFETCH(int, start);
        QFETCH(int, afterClick);
        QFETCH(int, shownState);
        TickBox box(QStringLiteral("Box"), nullptr);
        box.setValue(static_cast<std::int16_t>(start));
        QCOMPARE(int(box.checkState()), shownState);
        QCOMPARE(box.isTicked(), start == 1);
        QSignalSpy changed(&box, &TickBox::valueChanged);
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        QCOMPARE(int(box.value()), afterClick);
        QCOMPARE(changed.size(), 1);
    }

    void settingTheSameValueRunsNothing()
    {
        TickBox box(QStringLiteral("Box"), nullptr);
        QSignalSpy changed(&box, &TickBox::valueChanged);
        box.setValue(0);
        QCOMPARE(changed.size(), 0);
        box.setValue(1);
        box.setValue(1);
        QCOMPARE(changed.size(), 1);
    }

    // Whichever way the mark is changed, the value follows it and the handler
    // runs once; a change that changes nothing runs nothing. A screen
    // reader's toggle is a click: a stored 2 becomes 1.
    void everyWayOfChangingKeepsValueAndMarkInStep_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("runs");
        const QStringList ways{"click",
                               "space",
                               "toggle",
                               "accessible toggle",
                               "accessible press",
                               "setChecked(true)",
                               "setChecked(false)",
                               "setCheckState(Checked)",
                               "setCheckState(Unchecked)",
                               "setCheckState(Partially)",
                               "setValue(1)",
                               "setValue(0)"};
        // After each way, from 0, from 1 and from a stored 2.
        const QList<QList<int>> after{{1, 0, 1}, {1, 0, 1}, {1, 0, 0}, {1, 0, 1}, {1, 0, 1}, {1, 1, 1},
                                      {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {0, 1, 2}, {1, 1, 1}, {0, 0, 0}};
        const int starts[] = {0, 1, 2};
        for (qsizetype way = 0; way < ways.size(); ++way) {
            for (int s = 0; s < 3; ++s) {
                const int end = after[way][s];
                QTest::addRow("%s from %d", qPrintable(ways[way]), starts[s])
                    << starts[s] << ways[way] << end << (end == starts[s] ? 0 : 1);
            }
        }
    }

    void everyWayOfChangingKeepsValueAndMarkInStep()
    {
        QFETCH(int, start);
        QFETCH(QString, how);
        QFETCH(int, after);
        QFETCH(int, runs);
        TickBox box(QStringLiteral("Box"), nullptr);
        box.setValue(static_cast<std::int16_t>(start));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QList<int> seen;
        connect(&box, &TickBox::valueChanged, &box, [&](std::int16_t v) {
            // The handler already finds the mark in step with the value.
            QCOMPARE(int(box.checkState()), int(v == 0   ? Qt::Unchecked
                                                : v == 1 ? Qt::Checked
                                                         : Qt::PartiallyChecked));
            seen << v;
        });
        Change(box, how);
        QCOMPARE(int(box.value()), after);
        QCOMPARE(int(box.checkState()), int(after == 0   ? Qt::Unchecked
                                            : after == 1 ? Qt::Checked
                                                         : Qt::PartiallyChecked));
        QCOMPARE(seen.size(), runs);
        if (runs)
            QCOMPARE(seen.last(), after);
    }

    // A disabled box is not changed by a screen reader either.
    void aDisabledBoxIgnoresTheAccessibleToggle()
    {
        TickBox box(QStringLiteral("Box"), nullptr);
        box.setEnabled(false);
        QSignalSpy changed(&box, &TickBox::valueChanged);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(!accessible->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(box.value(), std::int16_t{0});
        QCOMPARE(changed.size(), 0);
    }

    // What a screen reader is told: a check box, named by its caption,
    // checked as the value shows.
    void theAccessibleInterfaceReportsTheValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("mixed");
        QTest::newRow("clear") << 0 << false << false;
        QTest::newRow("ticked") << 1 << true << false;
        QTest::newRow("stored 2") << 2 << false << true;
    }

    void theAccessibleInterfaceReportsTheValue()
    {
        QFETCH(int, value);
        QFETCH(bool, checked);
        QFETCH(bool, mixed);
        TickBox box(QStringLiteral("Save && &Run"), nullptr);
        box.setValue(static_cast<std::int16_t>(value));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(accessible->role(), QAccessible::CheckBox);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Save & Run"));
        QVERIFY(accessible->state().checkable);
        QCOMPARE(bool(accessible->state().checked), checked);
        QCOMPARE(bool(accessible->state().checkStateMixed), mixed);
    }

    // A caption too wide for one line is drawn on two, inside the box; one
    // that fits stays on one line.
    void aLongCaptionWrapsInsideTheBox_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("fits") << "Batch Run" << 160 << false;
        QTest::newRow("too wide") << "Enable Batch Run" << 73 << true;
        QTest::newRow("one letter") << "S" << 33 << false;
    }

    void aLongCaptionWrapsInsideTheBox()
    {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(bool, wraps);
        QWidget window;
        UseWindowFont(&window);
        window.resize(200, 40);
        TickBox box(caption, &window);
        box.setGeometry(0, 0, width, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(box.wrapsCaption(), wraps);
        const QRect drawn = box.captionRect();
        QVERIFY2(drawn.left() > 0 && drawn.right() < box.width(), "the caption runs past the box's sides");
        const QFontMetrics metrics = box.fontMetrics();
        QCOMPARE(qRound(double(drawn.height()) / metrics.lineSpacing()), wraps ? 2 : 1);

        // The ink agrees: nothing touches the box's top or bottom edge (where
        // it would be cut), and a wrapped caption reaches further down than
        // one line centred in the box would.
        const QImage shot = box.grab().toImage();
        const QRect column(drawn.left(), 0, drawn.width(), box.height());
        const int top = InkTop(shot, column);
        const int bottom = InkBottom(shot, column);
        QVERIFY(top > 0 && bottom > top && bottom < box.height() - 1);
        QCOMPARE(bottom > (box.height() + metrics.height()) / 2, wraps);

        // A click on the second line is a click on the box.
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(drawn.center().x(), drawn.bottom() - 1));
        QCOMPARE(box.value(), std::int16_t{1});
    }
};

int RunTickBoxTest(int argc, char** argv)
{
    TickBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TickBoxTest.moc"
