#include "remote/ConsoleKeys.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"
#include "support/WindowTestHelpers.h"
#include "ui/TickBox.h"

#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;
using StoreValues = QList<QPair<QString, QString>>; // store key, value

namespace {
const QString kPlaceholder = QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!");

QString Key(const char* kind, int n, const char* suffix)
{
    return QString::fromStdString(RowControlName(kind, n, suffix));
}
} // namespace

class AdvancedConsoleTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_ADVANCED> w;

    void open() { OpenWindow(w, *services); }
    void store(const StoreValues& values)
    {
        for (const auto& [key, value] : values)
            backend->values[key.toStdString()] = value.toStdString();
    }
    void nameAllRows(const QString& pattern)
    {
        for (int n = 1; n <= kConsoleRowCount; ++n)
            Type(w->ROW(n).PC_NAME_TEXTBOX, pattern.arg(n));
    }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { w.reset(); }

    void firstOpeningOnAnEmptyStore()
    {
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral("ZT-VOLTRAIL - SHUTDOWN GUI - ADVANCED"));
        QCOMPARE(w->pos(), QPoint(67, 67));
        QCOMPARE(w->frameGeometry().size(), QSize(973, 487));
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("30"));
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), kPlaceholder);
        QVERIFY(!w->ENABLE_BATCH_RUN_TICKBOX->isTicked());
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
        QVERIFY(w->ABORT_ALL_BUTTON->isEnabled());
        QVERIFY(w->CLOSE_BUTTON->isDefault());
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            auto& row = w->ROW(n);
            QCOMPARE(row.PC_NAME_TEXTBOX->text(), QString());
            for (TickBox* box :
                 {row.BATCH_RUN_TICKBOX, row.SHUTDOWN_TICKBOX, row.RESTART_TICKBOX, row.FORCE_TICKBOX})
                QCOMPARE(box->value(), std::int16_t{0});
            QCOMPARE(row.NUMBER_TEXTBOX->text(), QString::number(n));
            QCOMPARE(row.PC_NAME_TEXTBOX->accessibleName(), QStringLiteral("Row %1 PC name").arg(n));
        }
        QCOMPARE(w->findChildren<QWidget*>().size(), 240 + 13);
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->isVisible() && (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)))
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        }
    }

    void rowsStandInTwoColumnsOfFifteen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("row 1 number") << "PC_NUMBER_1_TEXTBOX" << QRect(120, 720, 375, 285);
        QTest::newRow("row 2 number") << "Text30" << QRect(120, 1080, 375, 285);
        QTest::newRow("row 15 name") << "PC_NAME_15_TEXTBOX" << QRect(1800, 5760, 2055, 285);
        QTest::newRow("row 16 batch") << "BATCH_RUN_16_TICKBOX" << QRect(7800, 720, 1095, 255);
        QTest::newRow("row 30 abort") << "ABORT_30_BUTTON" << QRect(13680, 5760, 615, 255);
        QTest::newRow("row 30 number") << "Text58" << QRect(7320, 5760, 375, 285);
        QTest::newRow("display") << "ALL_CMD_COMMANDS_TEXTBOX" << QRect(8760, 6360, 5535, 375);
    }

    void rowsStandInTwoColumnsOfFifteen()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        open();
        auto* c = Child<QWidget>(w.get(), qPrintable(name));
        QVERIFY(c);
        const auto px = [](int t) { return (t + 7) / 15; };
        QCOMPARE(c->geometry(), QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    }

    void tabOrderRunsThroughTheRowsInNumberOrder()
    {
        open();
        QList<QWidget*> expected{w->CLOSE_BUTTON, w->SHUTDOWN_TIMEOUT_TEXTBOX};
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            auto& r = w->ROW(n);
            expected << r.BATCH_RUN_TICKBOX << r.PC_NAME_TEXTBOX << r.SHUTDOWN_TICKBOX << r.RESTART_TICKBOX
                     << r.FORCE_TICKBOX << r.RUN_BUTTON << r.ABORT_BUTTON;
        }
        expected << w->ENABLE_BATCH_RUN_TICKBOX << w->BATCH_RUN_BUTTON << w->ABORT_ALL_BUTTON
                 << w->SAVE_BUTTON << w->ALL_CMD_COMMANDS_TEXTBOX;
        QList<QWidget*> chain;
        QWidget* next = w->CLOSE_BUTTON;
        do {
            if (next->focusPolicy() & Qt::TabFocus)
                chain << next;
            next = next->nextInFocusChain();
        } while (next != w->CLOSE_BUTTON && chain.size() <= expected.size());
        QCOMPARE(chain, expected);
    }

    void saveWritesAll153ValuesInOrderAndTheyComeBack()
    {
        open();
        w->move(200, 100);
        Type(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("120"));
        Click(w->ROW(1).BATCH_RUN_TICKBOX);
        Type(w->ROW(2).PC_NAME_TEXTBOX, QStringLiteral(" SRV02 "));
        Click(w->ROW(2).SHUTDOWN_TICKBOX);
        Click(w->ROW(2).RESTART_TICKBOX); // rows have no exclusion
        Click(w->ROW(30).FORCE_TICKBOX);
        w->ROW(30).PC_NAME_TEXTBOX->setText(QStringLiteral("Zürich"));
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        Click(w->SAVE_BUTTON);
        QVERIFY(w->isVisible());
        QCOMPARE(Writes(*backend), ToList(ConsoleSaveKeys()));
        QCOMPARE(backend->flushes, 1);
        const StoreValues saved{{"SGUI_ADV_Left", "3000"},
                                {"SGUI_ADV_Top", "1500"},
                                {"SHUTDOWN_TIMEOUT_TEXTBOX", "120"},
                                {Key("BATCH_RUN", 1, "TICKBOX"), "1"},
                                {Key("BATCH_RUN", 2, "TICKBOX"), "0"},
                                {Key("PC_NAME", 2, "TEXTBOX"), " SRV02 "},
                                {Key("PC_NAME", 3, "TEXTBOX"), ""},
                                {Key("RESTART", 2, "TICKBOX"), "1"},
                                {Key("FORCE", 30, "TICKBOX"), "1"},
                                {"ENABLE_BATCH_RUN_TICKBOX", "<none>"},
                                {"ALL_CMD_COMMANDS_TEXTBOX", "<none>"}};
        for (const auto& [key, value] : saved)
            QCOMPARE(Stored(*backend, key.toStdString()), value);

        Click(w->CLOSE_BUTTON);
        open();
        QCOMPARE(w->pos(), QPoint(200, 100));
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
        QCOMPARE(w->ROW(1).BATCH_RUN_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(w->ROW(2).PC_NAME_TEXTBOX->text(), QStringLiteral(" SRV02 "));
        QCOMPARE(w->ROW(2).SHUTDOWN_TICKBOX->value() + w->ROW(2).RESTART_TICKBOX->value(), 2);
        QVERIFY(w->ROW(2).RESTART_TICKBOX->isEnabled());
        QCOMPARE(w->ROW(30).PC_NAME_TEXTBOX->text(), QStringLiteral("Zürich"));
        QCOMPARE(w->ROW(30).FORCE_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(w->ROW(29).FORCE_TICKBOX->value(), std::int16_t{0});
        QVERIFY(!w->ENABLE_BATCH_RUN_TICKBOX->isTicked());
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
    }

    // Closing by the close box or by Enter in a name box (which presses Close)
    // stores only the position; unsaved edits are lost and nothing runs.
    void closingStoresOnlyThePosition_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::newRow("close box") << false;
        QTest::newRow("Enter in a name box") << true;
    }

    void closingStoresOnlyThePosition()
    {
        QFETCH(bool, enter);
        backend->values[RowControlName("PC_NAME", 4, "TEXTBOX")] = "KEEP";
        open();
        w->move(10, 20);
        Type(w->ROW(4).PC_NAME_TEXTBOX, QStringLiteral("EDITED"));
        Click(w->ROW(4).SHUTDOWN_TICKBOX);
        if (enter)
            QTest::keyClick(w->ROW(4).PC_NAME_TEXTBOX, Qt::Key_Return);
        else
            w->close();
        QVERIFY(!w->isVisible());
        QCOMPARE(Writes(*backend), (QStringList{"SGUI_ADV_Left", "SGUI_ADV_Top"}));
        QVERIFY(launcher->launched.empty());
        open();
        QCOMPARE(w->ROW(4).PC_NAME_TEXTBOX->text(), QStringLiteral("KEEP"));
        QCOMPARE(w->ROW(4).SHUTDOWN_TICKBOX->value(), std::int16_t{0});
        QCOMPARE(w->pos(), QPoint(10, 20));
    }

    void enableBatchRunUnlocksBatchRun()
    {
        store({{Key("BATCH_RUN", 1, "TICKBOX"), "1"}, {Key("SHUTDOWN", 1, "TICKBOX"), "1"}});
        open();
        Click(w->BATCH_RUN_BUTTON); // disabled: cannot be pressed
        QVERIFY(launcher->launched.empty());
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        QVERIFY(w->BATCH_RUN_BUTTON->isEnabled());
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
        Click(w->ABORT_ALL_BUTTON); // available while locked
        QCOMPARE(launcher->launched.size(), size_t{30});
    }

    void row17RunStartsOnlyItsOwnLine()
    {
        open();
        Type(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("45"));
        nameAllRows(QStringLiteral("PC%1"));
        for (int n = 1; n <= kConsoleRowCount; ++n)
            Click(w->ROW(n).BATCH_RUN_TICKBOX);
        for (TickBox* box :
             {w->ROW(17).SHUTDOWN_TICKBOX, w->ROW(17).FORCE_TICKBOX, w->ROW(16).SHUTDOWN_TICKBOX})
            Click(box);
        Click(w->ROW(17).RUN_BUTTON);
        const QString line = QStringLiteral("shutdown /s /f /m \\\\PC17 /t 45");
        QCOMPARE(Launched(*launcher), QStringList{line});
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), line);
        QVERIFY(backend->writes.empty());
    }

    // What a row's buttons read from its stored ticks; the rules themselves
    // are covered in full by the core tests.
    void rowRunAndAbortFollowTheRules_data()
    {
        QTest::addColumn<QString>("srf");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("S and R") << "110"
                                 << "RUN"
                                 << QStringList{"shutdown /s /m \\\\ /t 30", "shutdown /g /m \\\\ /t 30"};
        QTest::newRow("stored F 2") << "112"
                                    << "RUN" << QStringList{};
        QTest::newRow("abort, empty name") << "100"
                                           << "ABORT" << QStringList{"shutdown /a /m \\\\"};
    }

    void rowRunAndAbortFollowTheRules()
    {
        QFETCH(QString, srf);
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        store({{Key("SHUTDOWN", 8, "TICKBOX"), srf.mid(0, 1)},
               {Key("RESTART", 8, "TICKBOX"), srf.mid(1, 1)},
               {Key("FORCE", 8, "TICKBOX"), srf.mid(2, 1)}});
        open();
        Click(Child<QPushButton>(w.get(), qPrintable(button + QStringLiteral("_8_BUTTON"))));
        QCOMPARE(Launched(*launcher), lines);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), lines.isEmpty() ? kPlaceholder : lines.last());
    }

    void batchRunAndAbortAll_data()
    {
        QTest::addColumn<StoreValues>("stored");
        QTest::addColumn<bool>("abortAll");
        QTest::addColumn<QStringList>("lines");
        StoreValues all, none;
        QStringList sixty;
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            const QString name = QStringLiteral("H%1").arg(n);
            all << StoreValues{{Key("BATCH_RUN", n, "TICKBOX"), "1"},
                               {Key("SHUTDOWN", n, "TICKBOX"), "1"},
                               {Key("RESTART", n, "TICKBOX"), "1"},
                               {Key("PC_NAME", n, "TEXTBOX"), name}};
            sixty << "shutdown /s /m \\\\" + name + " /t 30"
                  << "shutdown /g /m \\\\" + name + " /t 30";
            none << StoreValues{{Key("SHUTDOWN", n, "TICKBOX"), "1"}, {Key("PC_NAME", n, "TEXTBOX"), name}};
        }
        none << StoreValues{{Key("BATCH_RUN", 5, "TICKBOX"), "2"}}; // not a mark
        const StoreValues some{
            {Key("BATCH_RUN", 3, "TICKBOX"), "1"},   {Key("SHUTDOWN", 3, "TICKBOX"), "1"},
            {Key("PC_NAME", 3, "TEXTBOX"), "PC3"},   {Key("BATCH_RUN", 20, "TICKBOX"), "1"},
            {Key("RESTART", 20, "TICKBOX"), "1"},    {Key("FORCE", 20, "TICKBOX"), "1"},
            {Key("PC_NAME", 20, "TEXTBOX"), "PC20"}, {"SHUTDOWN_TIMEOUT_TEXTBOX", "60"},
            {Key("SHUTDOWN", 5, "TICKBOX"), "1"},    {Key("PC_NAME", 5, "TEXTBOX"), "PC5"}}; // 5: unmarked
        const StoreValues ticked{{Key("BATCH_RUN", 2, "TICKBOX"), "1"},
                                 {Key("SHUTDOWN", 2, "TICKBOX"), "1"},
                                 {Key("FORCE", 7, "TICKBOX"), "2"}};
        QTest::newRow("rows 3 and 20")
            << some << false
            << QStringList{"shutdown /s /m \\\\PC3 /t 60", "shutdown /g /f /m \\\\PC20 /t 60"};
        QTest::newRow("all rows, S and R") << all << false << sixty;
        QTest::newRow("no row marked") << none << false << QStringList{};
        QTest::newRow("abort all, whatever is ticked")
            << ticked << true << QStringList(kConsoleRowCount, QStringLiteral("shutdown /a /m \\\\"));
    }

    void batchRunAndAbortAll()
    {
        QFETCH(StoreValues, stored);
        QFETCH(bool, abortAll);
        QFETCH(QStringList, lines);
        store(stored);
        open();
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        Click(abortAll ? w->ABORT_ALL_BUTTON : w->BATCH_RUN_BUTTON);
        QCOMPARE(Launched(*launcher), lines);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), lines.isEmpty() ? kPlaceholder : lines.last());
        // Nothing but the display changed: the same press does the same again.
        Click(abortAll ? w->ABORT_ALL_BUTTON : w->BATCH_RUN_BUTTON);
        QCOMPARE(Launched(*launcher), lines + lines);
    }

    void abortAllNamesEachRowAsTyped()
    {
        open();
        nameAllRows(QStringLiteral("R%1"));
        Click(w->ABORT_ALL_BUTTON);
        QStringList expected;
        for (int n = 1; n <= kConsoleRowCount; ++n)
            expected << QStringLiteral("shutdown /a /m \\\\R%1").arg(n);
        QCOMPARE(Launched(*launcher), expected);
    }

    // Saved in either window, shown by the other at its next opening; the
    // console belongs to the simple window that opened it.
    void timeOutIsSharedWithTheSimpleWindowBothWays()
    {
        std::unique_ptr<ZT_VOLTRAIL_SGUI_SIMPLE> simple;
        OpenWindow(simple, *services);
        QWidget* parent = nullptr;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_SGUI_ADVANCED"), [&](QWidget* console) {
            parent = console->parentWidget();
            Type(Child<QLineEdit>(console, "SHUTDOWN_TIMEOUT_TEXTBOX"), QStringLiteral("120"));
            Click(Child<QPushButton>(console, "SAVE_BUTTON"));
            Click(Child<QPushButton>(console, "CLOSE_BUTTON"));
        });
        Click(simple->SGUI_ADVANCED_BUTTON);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(parent, simple.get());
        QVERIFY(simple->isVisible());
        QCOMPARE(simple->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("30")); // already open: unchanged
        Click(simple->CLOSE_BUTTON);
        OpenWindow(simple, *services);
        QCOMPARE(simple->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
        Type(simple->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("7"));
        Click(simple->SAVE_BUTTON);
        open();
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("7"));
    }
};

QTEST_MAIN(AdvancedConsoleTest)
#include "AdvancedConsoleTest.moc"
