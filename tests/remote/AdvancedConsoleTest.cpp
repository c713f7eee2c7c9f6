#include "remote/ConsoleKeys.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"
#include "support/WindowTestHelpers.h"
#include "ui/FailureMark.h"
#include "ui/TickBox.h"

#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {
const QString kPlaceholder = QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!");
}

class AdvancedConsoleTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_ADVANCED> w;

    void open() { OpenWindow(w, *services); }
    // The time-out and every row's name and ticks, as shown.
    QString inputs() const
    {
        QString out = w->SHUTDOWN_TIMEOUT_TEXTBOX->text();
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            auto& r = w->ROW(n);
            out += '|' + r.PC_NAME_TEXTBOX->text() + ' ';
            for (TickBox* t : {r.BATCH_RUN_TICKBOX, r.SHUTDOWN_TICKBOX, r.RESTART_TICKBOX, r.FORCE_TICKBOX})
                out += QString::number(t->value());
        }
        return out;
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
        QCOMPARE(inputs(), "30" + QStringLiteral("| 0000").repeated(kConsoleRowCount));
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), kPlaceholder);
        QVERIFY(!w->ENABLE_BATCH_RUN_TICKBOX->isTicked());
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
        QVERIFY(w->ABORT_ALL_BUTTON->isEnabled());
        QVERIFY(w->CLOSE_BUTTON->isDefault());
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            auto& row = w->ROW(n);
            QCOMPARE(row.NUMBER_TEXTBOX->text(), QString::number(n));
            QCOMPARE(row.PC_NAME_TEXTBOX->accessibleName(), QStringLiteral("Row %1 PC name").arg(n));
            // Two columns of fifteen rows, row 16 level with row 1.
            if (n > 15)
                QCOMPARE(row.PC_NAME_TEXTBOX->y(), w->ROW(n - 15).PC_NAME_TEXTBOX->y());
            else if (n > 1)
                QVERIFY(row.PC_NAME_TEXTBOX->y() > w->ROW(n - 1).PC_NAME_TEXTBOX->y());
        }
        QVERIFY(w->ROW(16).NUMBER_TEXTBOX->x() > w->ROW(1).ABORT_BUTTON->geometry().right());
        QVERIFY(Child<QWidget>(w.get(), "Text30") == w->ROW(2).NUMBER_TEXTBOX);
        QVERIFY(Child<QWidget>(w.get(), "Text58") == w->ROW(30).NUMBER_TEXTBOX);
        QCOMPARE(w->findChildren<QWidget*>().size(), 240 + 13);
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->isVisible() && (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)))
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        }
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
        const QString shown = inputs();
        Click(w->SAVE_BUTTON);
        QVERIFY(w->isVisible());
        QCOMPARE(backend->flushes, 1);
        const QMap<QString, QString> changed{
            {"SGUI_ADV_Left", "3000"},           {"SGUI_ADV_Top", "1500"},
            {"SHUTDOWN_TIMEOUT_TEXTBOX", "120"}, {"BATCH_RUN_1_TICKBOX", "1"},
            {"PC_NAME_2_TEXTBOX", " SRV02 "},    {"SHUTDOWN_2_TICKBOX", "1"},
            {"RESTART_2_TICKBOX", "1"},          {"FORCE_30_TICKBOX", "1"},
            {"PC_NAME_30_TEXTBOX", "Zürich"}};
        QStringList expected; // every key once, in order, nothing else
        for (const auto& key : ConsoleSaveKeys()) {
            const QString k = QString::fromStdString(key);
            expected << k + "=" + changed.value(k, k.endsWith("TEXTBOX") ? "" : "0");
        }
        QCOMPARE(WrittenValues(*backend), expected);

        Click(w->CLOSE_BUTTON);
        open();
        QCOMPARE(w->pos(), QPoint(200, 100));
        QCOMPARE(inputs(), shown);
        QVERIFY(w->ROW(2).RESTART_TICKBOX->isEnabled());
        QVERIFY(!w->ENABLE_BATCH_RUN_TICKBOX->isTicked());
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
    }

    // Closing by the close box or by Enter on the focused Close button stores
    // only the position; unsaved edits are lost and nothing runs. (Enter in a
    // name box keeps the window open: see the keyboard test.)
    void closingStoresOnlyThePosition_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "closebox";
        QTest::newRow("Enter on Close") << "enter";
    }

    void closingStoresOnlyThePosition()
    {
        QFETCH(QString, how);
        backend->values["PC_NAME_4_TEXTBOX"] = "KEEP";
        open();
        w->move(10, 20);
        Type(w->ROW(4).PC_NAME_TEXTBOX, QStringLiteral("EDITED"));
        Click(w->ROW(4).SHUTDOWN_TICKBOX);
        CloseBy(how, w.get(), w->CLOSE_BUTTON, w->ROW(4).PC_NAME_TEXTBOX);
        QVERIFY(!w->isVisible());
        QCOMPARE(WrittenValues(*backend), (QStringList{"SGUI_ADV_Left=150", "SGUI_ADV_Top=300"}));
        QVERIFY(launcher->launched.empty());
        open();
        QCOMPARE(w->ROW(4).PC_NAME_TEXTBOX->text(), QStringLiteral("KEEP"));
        QCOMPARE(w->ROW(4).SHUTDOWN_TICKBOX->value(), std::int16_t{0});
        QCOMPARE(w->pos(), QPoint(10, 20));
    }

    // Batch Run is locked until Enable Batch Run is ticked, and runs what the
    // rows show now, saved or not.
    void enableBatchRunUnlocksBatchRun()
    {
        open();
        Type(w->ROW(1).PC_NAME_TEXTBOX, QStringLiteral("PC1"));
        Click(w->ROW(1).BATCH_RUN_TICKBOX);
        Click(w->ROW(1).SHUTDOWN_TICKBOX);
        Click(w->BATCH_RUN_BUTTON); // disabled: cannot be pressed
        QVERIFY(launcher->launched.empty());
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        Click(w->BATCH_RUN_BUTTON);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /s /m \\\\PC1 /t 30"});
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        QVERIFY(!w->BATCH_RUN_BUTTON->isEnabled());
        Click(w->ABORT_ALL_BUTTON); // available while locked
        QCOMPARE(launcher->launched.size(), size_t{31});
    }

    // A row's Run and Abort, Batch Run and Abort All on rows from the store;
    // the rules themselves are covered in full by the core tests.
    void buttonsStartWhatTheRowsAsk_data()
    {
        QTest::addColumn<QStringList>("stored"); // KEY=VALUE
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* tag, const QStringList& stored, const char* button,
                            const QStringList& lines) {
            QTest::newRow(tag) << stored << QString::fromLatin1(button) << lines;
        };
        QStringList marked, both, unmarked, sixty, thirty;
        for (int n = 1; n <= kConsoleRowCount; ++n) {
            const QString i = QString::number(n), h = "H" + i;
            marked << "PC_NAME_" + i + "_TEXTBOX=" + h << "BATCH_RUN_" + i + "_TICKBOX=1";
            both << "SHUTDOWN_" + i + "_TICKBOX=1"
                 << "RESTART_" + i + "_TICKBOX=1";
            unmarked << "PC_NAME_" + i + "_TEXTBOX=" + h << "SHUTDOWN_" + i + "_TICKBOX=1";
            sixty << "shutdown /s /m \\\\" + h + " /t 30"
                  << "shutdown /g /m \\\\" + h + " /t 30";
            thirty << "shutdown /a /m \\\\" + h;
        }
        row("row 8: S and R", {"SHUTDOWN_8_TICKBOX=1", "RESTART_8_TICKBOX=1"}, "RUN_8_BUTTON",
            {"shutdown /s /m \\\\ /t 30", "shutdown /g /m \\\\ /t 30"});
        row("row 8: stored F 2", {"SHUTDOWN_8_TICKBOX=1", "RESTART_8_TICKBOX=1", "FORCE_8_TICKBOX=2"},
            "RUN_8_BUTTON", {});
        row("row 8: abort, empty name", {"SHUTDOWN_8_TICKBOX=1"}, "ABORT_8_BUTTON", {"shutdown /a /m \\\\"});
        row("row 17 runs only its own line",
            marked + QStringList{"SHUTDOWN_TIMEOUT_TEXTBOX=45", "SHUTDOWN_17_TICKBOX=1", "FORCE_17_TICKBOX=1",
                                 "SHUTDOWN_16_TICKBOX=1"},
            "RUN_17_BUTTON", {"shutdown /s /f /m \\\\H17 /t 45"});
        row("batch: rows 3 and 20 in order",
            unmarked + QStringList{"SHUTDOWN_TIMEOUT_TEXTBOX=60", "BATCH_RUN_20_TICKBOX=1",
                                   "SHUTDOWN_20_TICKBOX=0", "RESTART_20_TICKBOX=1", "FORCE_20_TICKBOX=1",
                                   "BATCH_RUN_3_TICKBOX=1"},
            "BATCH_RUN_BUTTON", {"shutdown /s /m \\\\H3 /t 60", "shutdown /g /f /m \\\\H20 /t 60"});
        row("batch: all rows with S and R", marked + both, "BATCH_RUN_BUTTON", sixty);
        row("batch: no row marked", unmarked + QStringList{"BATCH_RUN_5_TICKBOX=2"}, "BATCH_RUN_BUTTON", {});
        row("abort all: empty names, whatever is ticked",
            {"BATCH_RUN_2_TICKBOX=1", "SHUTDOWN_2_TICKBOX=1", "FORCE_7_TICKBOX=2"}, "ABORT_ALL_BUTTON",
            QStringList(kConsoleRowCount, "shutdown /a /m \\\\"));
        row("abort all: every row's name", unmarked, "ABORT_ALL_BUTTON", thirty);
    }

    void buttonsStartWhatTheRowsAsk()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        for (const QString& kv : stored)
            backend->values[kv.section('=', 0, 0).toStdString()] = kv.section('=', 1).toStdString();
        open();
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        auto* pressed = Child<QPushButton>(w.get(), qPrintable(button));
        Click(pressed);
        QCOMPARE(Launched(*launcher), lines);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), lines.isEmpty() ? kPlaceholder : lines.last());
        QVERIFY(backend->writes.empty());
        // Nothing but the display changed: the same press does the same again.
        Click(pressed);
        QCOMPARE(Launched(*launcher), lines + lines);
    }

    // A batch's failed rows are marked, and only they; a row's next press
    // takes its mark off, and a late outcome of an earlier press does not
    // bring it back.
    void theRowsThatFailedAreMarked()
    {
        for (const char* kv : {"PC_NAME_1_TEXTBOX=H1", "PC_NAME_2_TEXTBOX=H2", "PC_NAME_3_TEXTBOX=H3",
                               "BATCH_RUN_1_TICKBOX=1", "BATCH_RUN_2_TICKBOX=1", "BATCH_RUN_3_TICKBOX=1",
                               "SHUTDOWN_1_TICKBOX=1", "SHUTDOWN_2_TICKBOX=1", "SHUTDOWN_3_TICKBOX=1"})
            backend->values[QString(kv).section('=', 0, 0).toStdString()] =
                QString(kv).section('=', 1).toStdString();
        open();
        Click(w->ENABLE_BATCH_RUN_TICKBOX);
        Click(w->BATCH_RUN_BUTTON);
        QCOMPARE(launcher->presses, 1);
        QCOMPARE(launcher->outcomes.size(), size_t{3});
        const LineOutcome denied{LineOutcome::Kind::Failed, "H2: Access is denied.(5)", "Ask for the right."};
        launcher->outcomes[0]({});
        launcher->outcomes[1](denied);
        launcher->outcomes[2]({LineOutcome::Kind::NothingToAbort});
        const auto marked = [this](int n) { return failure_mark::IsMarked(w->ROW(n).PC_NAME_TEXTBOX); };
        QVERIFY(!marked(1) && marked(2) && !marked(3));
        QLineEdit* box = w->ROW(2).PC_NAME_TEXTBOX;
        QCOMPARE(box->accessibleDescription(),
                 QStringLiteral("Failed: H2: Access is denied.(5)\nAsk for the right."));
        QVERIFY(box->toolTip().contains(QStringLiteral("Ask for the right.")));
        QCOMPARE(box->accessibleName(), QStringLiteral("Row 2 PC name"));
        Click(w->ROW(2).ABORT_BUTTON);
        QCOMPARE(launcher->presses, 2);
        QVERIFY(!marked(2));
        QCOMPARE(box->toolTip(), QString());
        QCOMPARE(box->accessibleDescription(), QString());
        launcher->outcomes[1](denied);
        QVERIFY(!marked(2));
        Click(w->ABORT_ALL_BUTTON);
        QCOMPARE(launcher->outcomes.size(), size_t{4 + kConsoleRowCount});
        launcher->outcomes.back()(denied);
        QVERIFY(failure_mark::IsMarked(w->ROW(kConsoleRowCount).PC_NAME_TEXTBOX));
        w.reset(); // a failure after the window has gone marks nothing
        launcher->outcomes[3](denied);
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
