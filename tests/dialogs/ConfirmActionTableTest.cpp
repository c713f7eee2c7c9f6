// The confirm action window's controls, cell by cell, after it has loaded.
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
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
        {"ZT_TITLE_1_TEXTBOX", Box, "VOLTRAIL WORKS", "", {120, 0, 1815, 285}, true, true, true, 2},
        {"ZT_TITLE_3_TEXTBOX", Box, "ZT-VT", "", {2040, 0, 855, 285}, true, true, true, 4},
        {"ZT_TITLE_2_TEXTBOX", Box, "ZT-VOLTRAIL", "", {3000, 0, 1935, 285}, true, true, true, 3},
        // The pending label as the bar holds it before any choice.
        {"ACTION_TEXTBOX", Box, "ACTION_TEXTBOX", "", {240, 360, 4575, 375}, true, true, true, 5},
        {"OK_BUTTON", PicBtn, "OK", "", {840, 960, 1335, 975}, true, true, false, 1},
        {"CANCEL_BUTTON", PicBtn, "Cancel", "", {2760, 960, 1335, 975}, true, true, false, 0},
        {"CONFIRM_ACTION_QUESTION_TEXTBOX",
         Kind::MultiLineTextBox,
         "!!! CONFIRM ACTION !!!\n",
         "",
         {240, 2160, 4575, 405},
         true,
         true,
         true,
         6},
        {"MY_CMD_TEXTBOX", Box, "MY_CMD_TEXTBOX", "", {600, 2880, 2415, 375}, false, true, false, 7},
        {"MY_CMD_VISIBLE_TICKBOX",
         Tick,
         "Run Visible",
         "",
         {3360, 3120, 1215, 255},
         false,
         true,
         false,
         8,
         1},
    };
}

const WindowRow kWindow{"ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW",
                        "ZT-VOLTRAIL - !!! CONFIRM ACTION !!!",
                        kFixedDialogFlags,
                        true,
                        "CANCEL_BUTTON",
                        {5160, 3210}};

} // namespace

class ConfirmActionTableTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<QWidget> window;

private slots:
    void initTestCase()
    {
        ResetFixture();
        OpenBar();
        auto* opened = new ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW(*services, *bar, bar.get());
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

QTEST_MAIN(ConfirmActionTableTest)
#include "ConfirmActionTableTest.moc"
