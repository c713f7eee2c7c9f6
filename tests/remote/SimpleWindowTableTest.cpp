// The simple remote window's controls, cell by cell, after it has loaded
// from an empty store: the layout is ours, within the client area.
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
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
        {"ZT_TITLE_1", Lbl, "VOLTRAIL WORKS", "", {120, 120, 1935, 375}},
        {"ZT_TITLE_2", Lbl, "ZT-VOLTRAIL", "", {2160, 120, 1575, 375}},
        {"SGUI_SIMPLE_LABEL", Lbl, "SHUTDOWN GUI - SIMPLE", "", {3840, 120, 2400, 375}},
        {"ALL_CMD_COMMANDS_TEXTBOX",
         Box,
         "!!! COMMAND GENERATED AT RUNTIME !!!",
         "",
         {120, 600, 6120, 375},
         true,
         true,
         true,
         10},
        // On the left: name, time-out with its hint under the caption, then the ticks.
        {"PC_NAME_S_LABEL", Lbl, "PC Name", "", {120, 1140, 855, 315}},
        {"PC_NAME_SSS_TEXTBOX", Box, "", "", {1080, 1140, 2295, 315}, true, true, false, 0},
        {"SHUTDOWN_TIMEOUT_1_LABEL", Lbl, "Shutdown Timeout (Seconds)", "", {120, 1560, 2175, 255}},
        {"SHUTDOWN_TIMEOUT_2_LABEL", Lbl, "0-315360000 (10 years)", "", {480, 1800, 1815, 255}},
        {"SHUTDOWN_TIMEOUT_TEXTBOX", Box, "30", "", {2400, 1560, 975, 315}, true, true, false, 1},
        {"SHUTDOWN_SSS_TICKBOX", Tick, "Shutdown", "", {120, 2280, 1095, 255}, true, true, false, 2, 0},
        {"RESTART_SSS_TICKBOX", Tick, "Restart", "", {1320, 2280, 1095, 255}, true, true, false, 3, 0},
        {"FORCE_SSS_TICKBOX", Tick, "Force", "", {2520, 2280, 855, 255}, true, true, false, 4, 0},
        // On the right: Run above Abort, the taller SGUI Advanced to their
        // left, Save under SGUI Advanced and Close under Abort.
        {"RUN_SSS_BUTTON", Btn, "Run", "", {4920, 1140, 1335, 375}, true, true, false, 5},
        {"ABORT_SSS_BUTTON", Btn, "Abort", "", {4920, 1620, 1335, 375}, true, true, false, 6},
        {"SGUI_ADVANCED_BUTTON", Btn, "SGUI Advanced", "", {3600, 1140, 1215, 855}, true, true, false, 7},
        {"SAVE_BUTTON", Btn, "Save", "", {3600, 2280, 1215, 375}, true, true, false, 8},
        {"CLOSE_BUTTON", Btn, "Close", "", {4920, 2280, 1335, 375}, true, true, false, 9},
    };
}

const WindowRow kWindow{"ZT_VOLTRAIL_SGUI_SIMPLE",
                        "ZT-VOLTRAIL - SHUTDOWN GUI - SIMPLE",
                        kFixedDialogFlags,
                        true,
                        "CLOSE_BUTTON",
                        {6450, 3225}};

} // namespace

class SimpleWindowTableTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_SIMPLE> window;

private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
        window = std::make_unique<ZT_VOLTRAIL_SGUI_SIMPLE>(*services, bar.get());
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
        QCOMPARE(ShownRowsOutside(Table(), {6360, 3150}), QStringList());
    }
};

QTEST_MAIN(SimpleWindowTableTest)
#include "SimpleWindowTableTest.moc"
