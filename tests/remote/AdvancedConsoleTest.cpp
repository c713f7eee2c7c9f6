#include "remote/ConsoleKeys.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"
#include "ui/TickBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;
using Lines = std::vector<std::string>;

namespace {
const QString kPlaceholder = QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!");

std::string Key(const char* kind, int n, const char* suffix)
{
    return RowControlName(kind, n, suffix);
}
} // namespace

class AdvancedConsoleTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_ADVANCED> w;

    void open()
    {
        w = std::make_unique<ZT_VOLTRAIL_SGUI_ADVANCED>(*services, nullptr);
        w->Load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void reopen()
    {
        w.reset();
        open();
    }

    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    void type(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
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
            QCOMPARE(row.NUMBER_TEXTBOX->objectName(), QString::fromStdString(RowNumberBoxName(n)));
            QCOMPARE(row.PC_NAME_TEXTBOX->accessibleName(), QStringLiteral("Row %1 PC name").arg(n));
            QCOMPARE(row.RUN_BUTTON->accessibleName(), QStringLiteral("Row %1 Run").arg(n));
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
        QTest::newRow("row 23 force") << "FORCE_23_TICKBOX" << QRect(12360, 3240, 495, 255);
        QTest::newRow("row 30 abort") << "ABORT_30_BUTTON" << QRect(13680, 5760, 615, 255);
        QTest::newRow("row 30 number") << "Text58" << QRect(7320, 5760, 375, 285);
        QTest::newRow("display") << "ALL_CMD_COMMANDS_TEXTBOX" << QRect(8760, 6360, 5535, 375);
        QTest::newRow("batch run") << "BATCH_RUN_BUTTON" << QRect(1200, 6360, 1695, 375);
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
        type(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("120"));
        click(w->ROW(1).BATCH_RUN_TICKBOX);
        type(w->ROW(2).PC_NAME_TEXTBOX, QStringLiteral(" SRV02 "));
        click(w->ROW(2).SHUTDOWN_TICKBOX);
        click(w->ROW(2).RESTART_TICKBOX); // rows have no exclusion
        click(w->ROW(30).FORCE_TICKBOX);
        w->ROW(30).PC_NAME_TEXTBOX->setText(QStringLiteral("Zürich"));
        click(w->ENABLE_BATCH_RUN_TICKBOX);
        click(w->SAVE_BUTTON);
        QVERIFY(w->isVisible());
        QCOMPARE(backend->writes, ConsoleSaveKeys());
        QCOMPARE(backend->flushes, 1);
        QCOMPARE(backend->values["SGUI_ADV_Left"], std::string("3000"));
        QCOMPARE(backend->values["SGUI_ADV_Top"], std::string("1500"));
        QCOMPARE(backend->values["SHUTDOWN_TIMEOUT_TEXTBOX"], std::string("120"));
        QCOMPARE(backend->values[Key("BATCH_RUN", 1, "TICKBOX")], std::string("1"));
        QCOMPARE(backend->values[Key("BATCH_RUN", 2, "TICKBOX")], std::string("0"));
        QCOMPARE(backend->values[Key("PC_NAME", 2, "TEXTBOX")], std::string(" SRV02 "));
        QCOMPARE(backend->values[Key("PC_NAME", 3, "TEXTBOX")], std::string());
        QCOMPARE(backend->values[Key("RESTART", 2, "TICKBOX")], std::string("1"));
        QCOMPARE(backend->values[Key("FORCE", 30, "TICKBOX")], std::string("1"));
        QVERIFY(!backend->has("ENABLE_BATCH_RUN_TICKBOX"));
        QVERIFY(!backend->has("ALL_CMD_COMMANDS_TEXTBOX"));

        click(w->CLOSE_BUTTON);
        reopen();
        QCOMPARE(w->pos(), QPoint(200, 100));
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
        QCOMPARE(w->ROW(1).BATCH_RUN_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(w->ROW(2).PC_NAME_TEXTBOX->text(), QStringLiteral(" SRV02 "));
        QCOMPARE(w->ROW(2).SHUTDOWN_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(w->ROW(2).RESTART_TICKBOX->value(), std::int16_t{1});
        QVERIFY(w->ROW(2).RESTART_TICKBOX->isEnabled());
        QCOMPARE(w->ROW(30).PC_NAME_TEXTBOX->text(), QStringLiteral("Zürich"));
        QCOMPARE(w->ROW(30).FORCE_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(w->ROW(29).FORCE_TICKBOX->value(), std::int16_t{0});
        QVERIFY(!w->ENABLE_BATCH_RUN_TICKBOX->isTicked());
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
    }

    void unsavedEditsAreLostAndOnlyThePositionIsStored()
    {
        backend->values[Key("PC_NAME", 4, "TEXTBOX")] = "KEEP";
        open();
        w->move(10, 20);
        type(w->ROW(4).PC_NAME_TEXTBOX, QStringLiteral("EDITED"));
        click(w->ROW(4).SHUTDOWN_TICKBOX);
        w->close(); // the close box
        QCOMPARE(backend->writes, (Lines{"SGUI_ADV_Left", "SGUI_ADV_Top"}));
        reopen();
        QCOMPARE(w->ROW(4).PC_NAME_TEXTBOX->text(), QStringLiteral("KEEP"));
        QCOMPARE(w->ROW(4).SHUTDOWN_TICKBOX->value(), std::int16_t{0});
        QCOMPARE(w->pos(), QPoint(10, 20));
    }

    void enterInANameBoxPressesClose()
    {
        open();
        QTest::keyClicks(w->ROW(9).PC_NAME_TEXTBOX, QStringLiteral("typed"));
        QTest::keyClick(w->ROW(9).PC_NAME_TEXTBOX, Qt::Key_Return);
        QVERIFY(!w->isVisible());
        QCOMPARE(backend->writes, (Lines{"SGUI_ADV_Left", "SGUI_ADV_Top"}));
        QVERIFY(launcher->launched.empty());
    }

    void enableBatchRunUnlocksBatchRun()
    {
        open();
        click(w->BATCH_RUN_BUTTON); // disabled: cannot be pressed
        click(w->ENABLE_BATCH_RUN_TICKBOX);
        QVERIFY(w->BATCH_RUN_BUTTON->isEnabled());
        click(w->ENABLE_BATCH_RUN_TICKBOX);
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
        click(w->ABORT_ALL_BUTTON); // available while locked
        QCOMPARE(launcher->launched.size(), size_t{30});
    }

    void row17RunStartsOnlyItsOwnLine()
    {
        open();
        type(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("45"));
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            type(w->ROW(n).PC_NAME_TEXTBOX, QStringLiteral("PC%1").arg(n));
            click(w->ROW(n).BATCH_RUN_TICKBOX);
        }
        click(w->ROW(17).SHUTDOWN_TICKBOX);
        click(w->ROW(17).FORCE_TICKBOX);
        click(w->ROW(16).SHUTDOWN_TICKBOX);
        click(w->ROW(17).RUN_BUTTON);
        const std::string line = "shutdown /s /f /m \\\\PC17 /t 45";
        QCOMPARE(launcher->launched, (std::vector<RecordingLauncher::Launched>{{line, kStyleHidden}}));
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), QString::fromStdString(line));
        QVERIFY(backend->writes.empty());
    }

    void rowRunAndAbortFollowTheRules_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("neither S nor R") << "0"
                                         << "0"
                                         << "1"
                                         << "RUN" << QStringList{};
        QTest::newRow("S and R") << "1"
                                 << "1"
                                 << "0"
                                 << "RUN"
                                 << QStringList{"shutdown /s /m \\\\ /t 30", "shutdown /g /m \\\\ /t 30"};
        QTest::newRow("stored F 2") << "1"
                                    << "1"
                                    << "2"
                                    << "RUN" << QStringList{};
        QTest::newRow("abort, empty name") << "1"
                                           << "0"
                                           << "0"
                                           << "ABORT" << QStringList{"shutdown /a /m \\\\"};
    }

    void rowRunAndAbortFollowTheRules()
    {
        QFETCH(QString, s);
        QFETCH(QString, r);
        QFETCH(QString, f);
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        backend->values[Key("SHUTDOWN", 8, "TICKBOX")] = s.toStdString();
        backend->values[Key("RESTART", 8, "TICKBOX")] = r.toStdString();
        backend->values[Key("FORCE", 8, "TICKBOX")] = f.toStdString();
        open();
        click(Child<QPushButton>(w.get(), qPrintable(button + QStringLiteral("_8_BUTTON"))));
        Lines expected;
        for (const QString& l : lines)
            expected.push_back(l.toStdString());
        QCOMPARE(launcher->lines(), expected);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), lines.isEmpty() ? kPlaceholder : lines.last());
    }

    void batchRunsMarkedRowsInRowOrder()
    {
        open();
        type(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("60"));
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            type(w->ROW(n).PC_NAME_TEXTBOX, QStringLiteral("PC%1").arg(n));
            if (n % 4 == 1)
                click(w->ROW(n).SHUTDOWN_TICKBOX); // ticked but unmarked rows
        }
        click(w->ROW(3).BATCH_RUN_TICKBOX);
        click(w->ROW(3).SHUTDOWN_TICKBOX);
        click(w->ROW(20).BATCH_RUN_TICKBOX);
        click(w->ROW(20).RESTART_TICKBOX);
        click(w->ROW(20).FORCE_TICKBOX);
        click(w->ENABLE_BATCH_RUN_TICKBOX);
        click(w->BATCH_RUN_BUTTON);
        QCOMPARE(launcher->lines(),
                 (Lines{"shutdown /s /m \\\\PC3 /t 60", "shutdown /g /f /m \\\\PC20 /t 60"}));
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), QStringLiteral("shutdown /g /f /m \\\\PC20 /t 60"));
        // Nothing but the display changed: the batch can run again at once.
        QVERIFY(w->BATCH_RUN_BUTTON->isEnabled());
        QVERIFY(w->ROW(3).BATCH_RUN_TICKBOX->isTicked());
        click(w->BATCH_RUN_BUTTON);
        QCOMPARE(launcher->launched.size(), size_t{4});
    }

    void batchOfAllRowsWithShutdownAndRestartStartsSixtyLines()
    {
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            backend->values[Key("BATCH_RUN", n, "TICKBOX")] = "1";
            backend->values[Key("SHUTDOWN", n, "TICKBOX")] = "1";
            backend->values[Key("RESTART", n, "TICKBOX")] = "1";
            backend->values[Key("PC_NAME", n, "TEXTBOX")] = "H" + std::to_string(n);
        }
        open();
        click(w->ENABLE_BATCH_RUN_TICKBOX);
        click(w->BATCH_RUN_BUTTON);
        Lines expected;
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            expected.push_back("shutdown /s /m \\\\H" + std::to_string(n) + " /t 30");
            expected.push_back("shutdown /g /m \\\\H" + std::to_string(n) + " /t 30");
        }
        QCOMPARE(launcher->lines(), expected);
        for (const auto& l : launcher->launched)
            QCOMPARE(l.style, std::int16_t{kStyleHidden});
    }

    void batchWithNoRowMarkedDoesNothing()
    {
        for (int n = 1; n <= kConsoleRowCount; ++n)
            backend->values[Key("SHUTDOWN", n, "TICKBOX")] = "1";
        backend->values[Key("BATCH_RUN", 5, "TICKBOX")] = "2"; // not a mark
        open();
        click(w->ENABLE_BATCH_RUN_TICKBOX);
        click(w->BATCH_RUN_BUTTON);
        QVERIFY(launcher->launched.empty());
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), kPlaceholder);
    }

    void abortAllStartsThirtyLinesWhateverIsTicked()
    {
        backend->values[Key("BATCH_RUN", 2, "TICKBOX")] = "1";
        backend->values[Key("SHUTDOWN", 2, "TICKBOX")] = "1";
        backend->values[Key("FORCE", 7, "TICKBOX")] = "2";
        open();
        click(w->ABORT_ALL_BUTTON);
        QCOMPARE(launcher->lines(), Lines(30, "shutdown /a /m \\\\"));
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), QStringLiteral("shutdown /a /m \\\\"));

        launcher->launched.clear();
        for (int n = 1; n <= kConsoleRowCount; ++n)
            type(w->ROW(n).PC_NAME_TEXTBOX, QStringLiteral("R%1").arg(n));
        click(w->ABORT_ALL_BUTTON);
        Lines expected;
        for (int n = 1; n <= kConsoleRowCount; ++n)
            expected.push_back("shutdown /a /m \\\\R" + std::to_string(n));
        QCOMPARE(launcher->lines(), expected);
    }

    void timeOutIsSharedWithTheSimpleWindowBothWays()
    {
        // Saved here, shown by the simple window at its next opening.
        ZT_VOLTRAIL_SGUI_SIMPLE simple(*services, nullptr);
        simple.Load();
        simple.show();
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_SGUI_ADVANCED"), [&](QWidget* console) {
            auto* box = Child<QLineEdit>(console, "SHUTDOWN_TIMEOUT_TEXTBOX");
            box->clear();
            QTest::keyClicks(box, QStringLiteral("120"));
            QTest::mouseClick(Child<QPushButton>(console, "SAVE_BUTTON"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(console, "CLOSE_BUTTON"), Qt::LeftButton);
        });
        QTest::mouseClick(simple.SGUI_ADVANCED_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(simple.SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("30")); // already open: unchanged
        QTest::mouseClick(simple.CLOSE_BUTTON, Qt::LeftButton);
        {
            ZT_VOLTRAIL_SGUI_SIMPLE again(*services, nullptr);
            again.Load();
            QCOMPARE(again.SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
            // Saved by the simple window, shown here at the next opening.
            again.SHUTDOWN_TIMEOUT_TEXTBOX->setText(QStringLiteral("7"));
            QTest::mouseClick(again.SAVE_BUTTON, Qt::LeftButton);
        }
        open();
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("7"));
    }
};

QTEST_MAIN(AdvancedConsoleTest)
#include "AdvancedConsoleTest.moc"
