// The settings and about window's controls, cell by cell, after it has loaded.
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
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
        {"ZT_TITLE_1", Lbl, "VOLTRAIL WORKS", "", {120, 120, 1815, 375}, true, true, false, 8},
        {"ZT_TITLE_2", Lbl, "ZT-VOLTRAIL", "", {2040, 120, 1815, 375}, true, true, false, 12},
        {"ZT_TITLE_3", Lbl, "ZT-VT", "", {3960, 120, 975, 375}, true, true, false, 13},
        {"VERSION_TEXTBOX", Lbl, "Version 1.0", "", {5040, 120, 1455, 375}, true, true, false, 10},
        {"CREATOR_TEXTBOX",
         Lbl,
         "Made by the ZT-VOLTRAIL developers",
         "",
         {120, 600, 4215, 375},
         true,
         true,
         false,
         9},
        {"FREEWARE_TEXTBOX", Lbl, "FREEWARE", "", {4440, 600, 2055, 375}, true, true, false, 11},
        {"ICONS_WEBLINK_LABEL",
         Lbl,
         "Some Base Icons Used",
         "",
         {240, 1080, 1815, 255},
         true,
         true,
         false,
         20},
        {"ICONS_WEBLINK_TEXTBOX",
         Box,
         "Icons drawn for ZT-VOLTRAIL",
         "",
         {2040, 1080, 4335, 285},
         true,
         true,
         true,
         19},
        {"Line1", Kind::Line, "", "", LineTwips(120, 1440, 6480, 1440), true, true, false},
        {"RUN_NOW_SELECTOR_FRAME",
         Kind::Frame,
         "Run Now Button",
         "",
         {480, 1560, 3015, 1455},
         true,
         true,
         false,
         17},
        {"SHUTDOWN_TICKBOX", Tick, "Shutdown", "", {600, 1920, 1095, 255}, true, true, false, 2, 0},
        {"RESTART_TICKBOX", Tick, "Restart", "", {600, 2280, 855, 255}, true, true, false, 3, 0},
        {"HIBERNATE_TICKBOX", Tick, "Hibernate", "", {600, 2640, 1095, 255}, true, true, false, 4, 0},
        {"LOGOFF_TICKBOX", Tick, "Logoff", "", {2160, 1920, 855, 255}, true, true, false, 5, 0},
        {"ALWAYS_ASK_TICKBOX", Tick, "Always Ask", "", {2160, 2280, 1215, 255}, true, true, false, 6, 0},
        {"AlwaysOnTop_TICKBOX", Tick, "Always On Top", "", {4320, 1680, 1455, 255}, true, true, false, 1, 1},
        {"SAVE_AND_CLOSE_BUTTON", Btn, "Save && Close", "", {4200, 2160, 1695, 735}, true, true, false, 0},
        {"SLEEP_TICKBOX", Tick, "Sleep", "", {2640, 3960, 855, 255}, false, false, false, 15, 0},
        {"MY_CMD_TICKBOX", Tick, "MY CMD", "", {3720, 3960, 975, 255}, false, false, false, 16, 0},
        {"MY_CMD_LABEL", Lbl, "MY CMD Full Run Command", "", {480, 4080, 2175, 255}, false, true, false, 18},
        {"MY_CMD_VISIBLE_TICKBOX",
         Tick,
         "Run Visible",
         "",
         {4920, 4080, 1215, 255},
         false,
         true,
         false,
         14,
         0},
        {"MY_CMD_TEXTBOX", Box, "MY_CMD_TEXTBOX", "", {480, 4320, 5655, 375}, false, true, false, 7},
    };
}

const WindowRow kWindow{"ZT_VOLTRAIL_ABOUT",     "ZT-VOLTRAIL - ABOUT", kFixedDialogFlags, true,
                        "SAVE_AND_CLOSE_BUTTON", {6720, 3585}};

} // namespace

class AboutTableTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<QWidget> window;

private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
        auto* opened = new ZT_VOLTRAIL_ABOUT(*services, *bar);
        window.reset(opened);
        opened->Load();
        opened->show();
        QVERIFY(QTest::qWaitForWindowExposed(opened));
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
};

QTEST_MAIN(AboutTableTest)
#include "AboutTableTest.moc"
