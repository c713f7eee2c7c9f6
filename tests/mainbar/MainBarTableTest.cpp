// The main bar's controls, cell by cell, after it has loaded from an empty
// store: its six picture buttons and every hidden control.
#include "support/BarTestBase.h"
#include "support/ControlTable.h"

#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

QList<ControlRow> Table()
{
    const QRect none = Unplaced();
    // name, kind, text, tooltip, twips, visible, enabled, read-only, tab, value
    return {
        {"ZT_BUTTON", Pic, "", "SETTINGS", {120, 0, 375, 375}, true, true, false, 0},
        {"RUN_NOW_BUTTON", Pic, "", "RUN NOW", {480, 0, 375, 375}, true, true, false, 1},
        {"POWER_BUTTON", Pic, "", "TASK", {840, 0, 375, 375}, true, true, false, 2},
        {"AUTOTIMER_BUTTON", Pic, "", "AUTOTIMER", {1200, 0, 375, 375}, true, true, false, 3},
        {"ZT_SHUTDOWN_GUI_BUTTON", Pic, "", "ZT-SHUTDOWN-GUI", {1560, 0, 375, 375}, true, true, false, 4},
        {"MS_SHUTDOWN_GUI_BUTTON", Pic, "", "MS-SHUTDOWN-GUI", {1920, 0, 375, 375}, true, true, false, 5},
        // The shared state, never shown.
        {"SHUTDOWN_TICKBOX", Tick, "Shutdown", "", none, false, true, false, -1, 0},
        {"RESTART_TICKBOX", Tick, "Restart", "", none, false, true, false, -1, 0},
        {"HIBERNATE_TICKBOX", Tick, "Hibernate", "", none, false, true, false, -1, 0},
        {"LOGOFF_TICKBOX", Tick, "Logoff", "", none, false, true, false, -1, 0},
        {"ALWAYS_ASK_TICKBOX", Tick, "Always Ask", "", none, false, true, false, -1, 0},
        {"AlwaysOnTop_TICKBOX", Tick, "Always On Top", "", none, false, true, false, -1, 1},
        // Hidden text boxes are labels here: they hold a text without laying it out.
        {"ACTION_TEXTBOX", Lbl, "ACTION_TEXTBOX", "", none, false, true, false},
        {"MS_SHUTDOWN_GUI_RUN_CMD_TB", Lbl, "shutdown.exe /i", "", none, false, true, false},
        {"AlwaysOnTopTimer", Kind::Timer, "", "", none, false, true},
        // Hidden and inert.
        {"SLEEP_TICKBOX", Tick, "Sleep", "", none, false, true, false, -1, 0},
        {"MY_CMD_TICKBOX", Tick, "MY CMD", "", none, false, true, false, -1, 0},
        {"MY_CMD_VISIBLE_TICKBOX", Tick, "Run Visible", "", none, false, true, false, -1, 0},
        {"MY_CMD_TEXTBOX", Lbl, "MY_CMD_TEXTBOX", "", none, false, true, false},
        {"SM_TB", Lbl, "\"", "", none, false, true, false},
        {"MY_CMD_BUTTON", Pic, "", "", none, false, true, false},
        {"RUN_NOW_SELECTOR_FRAME", Kind::Frame, "Run Now Button", "", none, false, true, false},
        {"TIME_SERVER_AUTOUPDATE_TIMER", Kind::Timer, "", "", none, false, false},
    };
}

const WindowRow kWindow{"ZT_VOLTRAIL_MAIN", "ZT-VOLTRAIL", kToolWindowFlags, false, "", {2500, 780}};

} // namespace

class MainBarTableTest : public BarTestBase {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
    }

    void cleanupTestCase() { bar.reset(); }

    void controlMatchesItsRow_data() { AddControlRows(Table()); }
    void controlMatchesItsRow()
    {
        QFETCH(ControlRow, control);
        CompareControl(*bar, control);
    }

    void everyControlIsInTheTable() { QCOMPARE(ControlsMissingFromTable(*bar, Table()), QStringList()); }
    void tabVisitsTheControlsInTabOrder() { QCOMPARE(LiveTabOrder(*bar), TableTabOrder(Table())); }
    void windowMatchesItsRow() { CompareWindow(*bar, kWindow); }
};

QTEST_MAIN(MainBarTableTest)
#include "MainBarTableTest.moc"
