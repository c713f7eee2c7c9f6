// The console's controls, cell by cell, after it has loaded from an empty
// store: the shared strip and thirty rows in two columns of fifteen.
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "support/BarTestBase.h"
#include "support/ControlTable.h"

#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

QList<ControlRow> Table()
{
    // name, kind, text, tooltip, twips, visible, enabled, read-only, tab, value
    QList<ControlRow> table{
        {"ZT_TITLE_1", Lbl, "VOLTRAIL WORKS", "", {120, 120, 2655, 375}},
        {"ZT_TITLE_2", Lbl, "ZT-VOLTRAIL", "", {2880, 120, 2055, 375}},
        {"SHUTDOWN_TIMEOUT_1_LABEL", Lbl, "Shutdown Timeout (Seconds)", "", {5040, 120, 2175, 255}},
        {"SHUTDOWN_TIMEOUT_2_LABEL", Lbl, "0-315360000 (10 years)", "", {5400, 360, 1815, 255}},
        {"SHUTDOWN_TIMEOUT_TEXTBOX", Box, "30", "", {7320, 120, 1095, 315}, true, true, false, 1},
        {"SGUI_ADVANCED_LABEL", Lbl, "SHUTDOWN GUI - ADVANCED", "", {8640, 120, 5655, 375}},
        {"Line1", Kind::Line, "", "", LineTwips(7200, 600, 7200, 6240)},
        {"BATCH_RUN_BUTTON", Btn, "BATCH RUN", "", {1200, 6360, 1695, 375}, true, false, false, 213},
        {"ENABLE_BATCH_RUN_TICKBOX",
         Tick,
         "Enable Batch Run",
         "",
         {3120, 6360, 1095, 375},
         true,
         true,
         false,
         212,
         0},
        {"ABORT_ALL_BUTTON", Btn, "ABORT ALL", "", {4440, 6360, 1215, 375}, true, true, false, 214},
        {"SAVE_BUTTON", Btn, "Save", "", {5880, 6360, 1215, 375}, true, true, false, 215},
        {"CLOSE_BUTTON", Btn, "Close", "", {7320, 6360, 1215, 375}, true, true, false, 0},
        {"ALL_CMD_COMMANDS_TEXTBOX",
         Box,
         "!!! COMMAND GENERATED AT RUNTIME !!!",
         "",
         {8760, 6360, 5535, 375},
         true,
         true,
         true,
         216},
    };
    // Row n: top 720 + 360 per row of its column, the right column 7200
    // further on; tab positions after the time-out box, seven a row.
    for (int n = 1; n <= 30; ++n) {
        const int top = 720 + 360 * ((n - 1) % 15);
        const int shift = n > 15 ? 7200 : 0;
        const int tab = 2 + (n - 1) * 7;
        const auto name = [n](const char* kind, const char* suffix) {
            return QStringLiteral("%1_%2_%3").arg(QLatin1String(kind)).arg(n).arg(QLatin1String(suffix));
        };
        const QString number =
            n == 1 ? QStringLiteral("PC_NUMBER_1_TEXTBOX") : QStringLiteral("Text%1").arg(n + 28);
        table << ControlRow{number, Box, QString::number(n), "", {120 + shift, top, 375, 285}, true, true,
                            true,   -1}
              << ControlRow{name("BATCH_RUN", "TICKBOX"),
                            Tick,
                            "Batch Run",
                            "",
                            {600 + shift, top, 1095, 255},
                            true,
                            true,
                            false,
                            tab,
                            0}
              << ControlRow{name("PC_NAME", "TEXTBOX"),
                            Box,
                            "",
                            "",
                            {1800 + shift, top, 2055, 285},
                            true,
                            true,
                            false,
                            tab + 1}
              << ControlRow{name("SHUTDOWN", "TICKBOX"),
                            Tick,
                            "S",
                            "",
                            {3960 + shift, top, 495, 255},
                            true,
                            true,
                            false,
                            tab + 2,
                            0}
              << ControlRow{name("RESTART", "TICKBOX"),
                            Tick,
                            "R",
                            "",
                            {4560 + shift, top, 495, 255},
                            true,
                            true,
                            false,
                            tab + 3,
                            0}
              << ControlRow{name("FORCE", "TICKBOX"),
                            Tick,
                            "F",
                            "",
                            {5160 + shift, top, 495, 255},
                            true,
                            true,
                            false,
                            tab + 4,
                            0}
              << ControlRow{name("RUN", "BUTTON"),
                            Btn,
                            "Run",
                            "",
                            {5760 + shift, top, 615, 255},
                            true,
                            true,
                            false,
                            tab + 5}
              << ControlRow{name("ABORT", "BUTTON"),
                            Btn,
                            "Abort",
                            "",
                            {6480 + shift, top, 615, 255},
                            true,
                            true,
                            false,
                            tab + 6};
    }
    return table;
}

const WindowRow kWindow{"ZT_VOLTRAIL_SGUI_ADVANCED",
                        "ZT-VOLTRAIL - SHUTDOWN GUI - ADVANCED",
                        kFixedDialogFlags,
                        true,
                        "CLOSE_BUTTON",
                        {14595, 7300}};

} // namespace

class AdvancedConsoleTableTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_ADVANCED> window;

private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
        window = std::make_unique<ZT_VOLTRAIL_SGUI_ADVANCED>(*services, bar.get());
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

    void tableHoldsThirtyRowsOfEight() { QCOMPARE(Table().size(), 13 + 30 * 8); }
    void everyControlIsInTheTable() { QCOMPARE(ControlsMissingFromTable(*window, Table()), QStringList()); }
    void tabVisitsTheControlsInTabOrder() { QCOMPARE(LiveTabOrder(*window), TableTabOrder(Table())); }
    void windowMatchesItsRow() { CompareWindow(*window, kWindow); }
    void everythingShownFitsTheClientArea()
    {
        QCOMPARE(ShownRowsOutside(Table(), {14505, 6960}), QStringList());
    }
};

QTEST_MAIN(AdvancedConsoleTableTest)
#include "AdvancedConsoleTableTest.moc"
