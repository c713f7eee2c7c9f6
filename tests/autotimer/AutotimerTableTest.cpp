// The auto-timer window's controls, cell by cell, after it has loaded: the
// layout is ours, within the client area and the sizes the window is given.
#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "support/BarTestBase.h"
#include "support/ControlTable.h"

#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

QList<ControlRow> Table()
{
    // name, kind, text, tooltip, twips, visible, enabled, read-only, tab, value
    return {
        {"ZT_TITLE_1", Lbl, "VOLTRAIL WORKS", "", {120, 0, 2175, 285}},
        {"ZT_TITLE_2", Lbl, "ZT-VOLTRAIL", "", {2400, 0, 2055, 285}},
        {"ZT_TITLE_3", Lbl, "ZT-VT", "", {4560, 0, 1215, 285}},
        {"AUTOTIMER_TITLE_LABEL", Lbl, "WAITING FOR USER INPUT", "", {120, 360, 5655, 375}},
        // Five 615-twip squares, left to right, each with its caption under it.
        // The window opens on Close, its default button.
        {"SHUTDOWN_BUTTON", Pic, "", "Shutdown", {240, 840, 615, 615}, true, true, false, 6},
        {"RESTART_BUTTON", Pic, "", "Restart", {1440, 840, 615, 615}, true, true, false, 7},
        {"HIBERNATE_BUTTON", Pic, "", "Hibernate", {2640, 840, 615, 615}, true, true, false, 8},
        {"LOGOFF_BUTTON", Pic, "", "Logoff", {3840, 840, 615, 615}, true, true, false, 9},
        {"CLOSE_BUTTON", Pic, "", "Close", {5040, 840, 615, 615}, true, true, false, 0},
        {"Label1", Lbl, "Shutdown", "", {0, 1470, 1095, 255}},
        {"Label2", Lbl, "Restart", "", {1200, 1470, 1095, 255}},
        {"Label4", Lbl, "Hibernate", "", {2400, 1470, 1095, 255}},
        {"Label5", Lbl, "Logoff", "", {3600, 1470, 1095, 255}},
        {"Label3", Lbl, "Close", "", {4800, 1470, 1095, 255}},
        {"AUTOTIMER_ACTION_TEXTBOX",
         Box,
         "!!! SELECT ACTION !!!",
         "",
         {120, 1800, 5655, 375},
         true,
         true,
         true,
         1},
        // Each caption over its third of the countdown box.
        {"HOURS_LABEL", Lbl, "Hours", "", {1335, 2325, 1075, 255}},
        {"MINUTES_LABEL", Lbl, "Minutes", "", {2410, 2325, 1075, 255}},
        {"SECONDS_LABEL", Lbl, "Seconds", "", {3485, 2325, 1075, 255}},
        {"CANCEL_BUTTON", PicBtn, "Cancel", "", {120, 2640, 1095, 975}, true, false, false, 2},
        // Clear at every opening, in the cell over Cancel.
        {"AT_CLOCK_TIME_TICKBOX", Tick, "At clock time", "", {60, 2325, 1275, 255}, true, true, false, 3, 0},
        {"CLOSE_REQUEST_COUNTDOWN_TEXTBOX",
         Box,
         "00:00:00",
         "H:MM:SS, or a clock time when At clock time is ticked",
         {1335, 2640, 3225, 975},
         true,
         true,
         false,
         4},
        {"OK_BUTTON", PicBtn, "OK", "", {4680, 2640, 1095, 975}, true, false, false, 5},
        {"AUTOTIMER_COUNTER", Kind::Timer, "", "", Unplaced(), false, false},
    };
}

const WindowRow kWindow{"ZT_VOLTRAIL_AUTOTIMER_WINDOW",
                        "ZT-VOLTRAIL - AUTOTIMER",
                        kFixedDialogFlags,
                        true,
                        "CLOSE_BUTTON",
                        {5985, 4185}};

} // namespace

class AutotimerTableTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_AUTOTIMER_WINDOW> window;

private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
        window = std::make_unique<ZT_VOLTRAIL_AUTOTIMER_WINDOW>(*services, bar.get());
        window->Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase() { window.reset(); }

    void controlMatchesItsRow_data() { AddControlRows(Table()); }
    void controlMatchesItsRow()
    {
        QFETCH(ControlRow, control);
        CompareControl(*window, control);
    }

    void everyControlIsInTheTable() { QCOMPARE(ControlsMissingFromTable(*window, Table()), QStringList()); }
    void tabVisitsTheControlsInTabOrder() { QCOMPARE(LiveTabOrder(*window), TableTabOrder(Table())); }
    void windowMatchesItsRow() { CompareWindow(*window, kWindow); }
    void everythingShownFitsTheClientArea()
    {
        QCOMPARE(ShownRowsOutside(Table(), {5895, 3810}), QStringList());
    }
};

QTEST_MAIN(AutotimerTableTest)
#include "AutotimerTableTest.moc"
