// The run option window's controls, cell by cell, after it has loaded.
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
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
        {"ZT_TITLE_1_TEXTBOX", Box, "VOLTRAIL WORKS", "", {120, 0, 2055, 285}, true, true, true, 6},
        {"ZT_TITLE_2_TEXTBOX", Box, "ZT-VOLTRAIL", "", {2280, 0, 2055, 285}, true, true, true, 13},
        {"SHUTDOWN_BUTTON", Pic, "", "Shutdown", {240, 360, 615, 615}, true, true, false, 4},
        {"RESTART_BUTTON", Pic, "", "Restart", {1080, 360, 615, 615}, true, true, false, 3},
        {"HIBERNATE_BUTTON", Pic, "", "Hibernate", {1920, 360, 615, 615}, true, true, false, 2},
        {"LOGOFF_BUTTON", Pic, "", "Logoff", {2760, 360, 615, 615}, true, true, false, 1},
        {"CANCEL_BUTTON", Pic, "", "Cancel", {3600, 360, 615, 615}, true, true, false, 0},
        {"Label1", Lbl, "Shutdown", "", {240, 1080, 735, 255}, true, true, false, 7},
        {"Label2", Lbl, "Restart", "", {1080, 1080, 615, 255}, true, true, false, 8},
        {"Label4", Lbl, "Hibernate", "", {1920, 1080, 735, 255}, true, true, false, 10},
        {"Label5", Lbl, "Logoff", "", {2880, 1080, 495, 255}, true, true, false, 11},
        {"Label6", Lbl, "Cancel", "", {3600, 1080, 615, 255}, true, true, false, 12},
        {"SLEEP_BUTTON", Pic, "", "Sleep", {120, 2520, 615, 615}, false, false, false, 5},
        {"MY_CMD_BUTTON", Pic, "", "MY CMD", {960, 2520, 615, 615}, false, false, false, 15},
        {"Label3", Lbl, "Sleep", "", {240, 3240, 495, 255}, false, false, false, 9},
        {"Label7", Lbl, "MY CMD", "", {840, 3240, 735, 255}, false, false, false, 16},
        {"ZT_TITLE_3_TEXTBOX", Box, "ZT-VT", "", {1920, 3000, 855, 285}, false, false, true, 14},
    };
}

const WindowRow kWindow{"ZT_VOLTRAIL_RUN_OPTION_WINDOW",
                        "ZT-VOLTRAIL - SELECT OPTION:",
                        kFixedDialogFlags,
                        true,
                        "CANCEL_BUTTON",
                        {4545, 1830}};

} // namespace

class RunOptionTableTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_RUN_OPTION_WINDOW> window;

private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
        window = std::make_unique<ZT_VOLTRAIL_RUN_OPTION_WINDOW>(*services, *bar);
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
};

QTEST_MAIN(RunOptionTableTest)
#include "RunOptionTableTest.moc"
