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

class SimpleWindowTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_SIMPLE> w;

    void open() { OpenWindow(w, *services); }
    QList<TickBox*> ticks() const
    {
        return {w->SHUTDOWN_SSS_TICKBOX, w->RESTART_SSS_TICKBOX, w->FORCE_SSS_TICKBOX};
    }
    // Shutdown, Restart and Force: their values, then E for each that can be clicked.
    QString tickState() const
    {
        QString values, enabled;
        for (TickBox* box : ticks()) {
            values += QString::number(box->value());
            enabled += box->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
        }
        return values + enabled;
    }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { w.reset(); }

    void firstOpeningOnAnEmptyStore()
    {
        open();
        QCOMPARE(w->pos(), QPoint(67, 67));
        QCOMPARE(w->frameGeometry().size(), QSize(430, 215));
        QCOMPARE(w->windowTitle(), QStringLiteral("ZT-VOLTRAIL - SHUTDOWN GUI - SIMPLE"));
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QString());
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("30"));
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), kPlaceholder);
        QVERIFY(w->ALL_CMD_COMMANDS_TEXTBOX->isReadOnly());
        QCOMPARE(tickState(), QStringLiteral("000EEE"));
        QVERIFY(w->CLOSE_BUTTON->isDefault());
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->accessibleName(), QStringLiteral("PC Name"));
    }

    // Clicks on Shutdown (S), Restart (R) and Force (F), and after each the
    // ticks and which boxes can still be clicked.
    void shutdownAndRestartExcludeEachOtherOnClicks()
    {
        open();
        const QList<QPair<int, QString>> steps{
            {0, "100E-E"}, {1, "100E-E"},                // Restart disabled: the click does nothing
            {0, "000EEE"}, {1, "010-EE"}, {2, "011-EE"}, // Force combines with either
            {1, "001EEE"}};
        for (const auto& [box, after] : steps) {
            Click(ticks()[box]);
            QCOMPARE(tickState(), after);
        }
    }

    // Stored ticks (Shutdown, Restart, Force) apply the exclusion on load; Run and
    // Abort then start what the boxes hold, as typed.
    void runAndAbortStartWhatTheBoxesHold_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("onLoad");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("timeOut");
        QTest::addColumn<QList<int>>("clicks"); // 0 Shutdown, 1 Restart, 2 Force
        QTest::addColumn<bool>("abort");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* tag, const char* stored, const char* onLoad, const char* name,
                            const char* timeOut, QList<int> clicks, bool abort, QStringList lines) {
            QTest::newRow(tag) << QString::fromUtf8(stored).split(' ') << onLoad << name << timeOut << clicks
                               << abort << lines;
        };
        const QString s = QStringLiteral("shutdown /s /m \\\\SRV01 /t 30");
        const QString g = QStringLiteral("shutdown /g /m \\\\SRV01 /t 30");
        row("stored: none", "0 0 0", "000EEE", "SRV01", "30", {}, false, {});
        row("stored: shutdown", "1 0 0", "100E-E", "SRV01", "30", {}, false, {s});
        row("stored: restart", "0 1 0", "010-EE", "SRV01", "30", {}, false, {g});
        // Both ticked (a store written elsewhere): both stay enabled, so either
        // can be cleared; once one is, the single-tick exclusion holds again.
        row("stored: both, from elsewhere", "1 1 0", "110EEE", "SRV01", "30", {}, false, {s, g});
        row("stored: both, shutdown cleared", "1 1 0", "110EEE", "SRV01", "30", {0}, false, {g});
        row("stored: both, restart cleared", "1 1 0", "110EEE", "SRV01", "30", {1}, false, {s});
        row("stored: both, both cleared", "1 1 0", "110EEE", "SRV01", "30", {0, 1}, false, {});
        row("stored: force 2 runs nothing", "1 0 2", "102E-E", "SRV01", "30", {}, false, {});
        row("stored: shutdown 2 is clear", "2 0 0", "200EEE", "SRV01", "30", {}, false, {});
        row("stored: not a number", "yes 1 0", "010-EE", "SRV01", "30", {}, false, {g});
        row("forced shutdown", "0 0 0", "000EEE", "SRV01", "30", {0, 2}, false,
            {"shutdown /s /f /m \\\\SRV01 /t 30"});
        row("restart", "0 0 0", "000EEE", "SRV01", "0", {1}, false, {"shutdown /g /m \\\\SRV01 /t 0"});
        row("force alone", "0 0 0", "000EEE", "SRV01", "30", {2}, false, {});
        row("abort ignores the ticks", "1 1 0", "110EEE", "SRV01", "30", {}, true,
            {"shutdown /a /m \\\\SRV01"});
        row("abort, empty name", "0 0 0", "000EEE", "", "30", {}, true, {"shutdown /a /m \\\\"});
        row("odd inputs as typed", "0 0 0", "000EEE", " SRV 01 ", "ten & more", {0}, false,
            {"shutdown /s /m \\\\ SRV 01  /t ten & more"});
    }

    void runAndAbortStartWhatTheBoxesHold()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, onLoad);
        QFETCH(QString, name);
        QFETCH(QString, timeOut);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, abort);
        QFETCH(QStringList, lines);
        const char* keys[] = {"SHUTDOWN_SSS_TICKBOX", "RESTART_SSS_TICKBOX", "FORCE_SSS_TICKBOX"};
        for (int i = 0; i < 3; ++i)
            backend->values[keys[i]] = stored[i].toStdString();
        open();
        QCOMPARE(tickState(), onLoad);
        Type(w->PC_NAME_SSS_TEXTBOX, name);
        Type(w->SHUTDOWN_TIMEOUT_TEXTBOX, timeOut);
        for (int box : clicks)
            Click(ticks()[box]);
        Click(abort ? w->ABORT_SSS_BUTTON : w->RUN_SSS_BUTTON);
        QCOMPARE(Launched(*launcher), lines);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), lines.isEmpty() ? kPlaceholder : lines.last());
        QVERIFY(backend->writes.empty()); // inputs are stored only by Save
    }

    // A failure marks the name box with its reason and advice, for the eye
    // and for screen readers; the next Run or Abort takes the mark off.
    void aFailedLineMarksTheNameBox()
    {
        open();
        Type(w->PC_NAME_SSS_TEXTBOX, QStringLiteral("<b>SRV07</b>"));
        Click(w->SHUTDOWN_SSS_TICKBOX);
        Click(w->RUN_SSS_BUTTON);
        QCOMPARE(launcher->presses, 1);
        QCOMPARE(launcher->outcomes.size(), size_t{1});
        QLineEdit* box = w->PC_NAME_SSS_TEXTBOX;
        launcher->outcomes[0]({LineOutcome::Kind::Failed, "<b>SRV07</b>: Access is denied.(5)", "Ask."});
        QVERIFY(failure_mark::IsMarked(box));
        const QString told = QStringLiteral("Failed: <b>SRV07</b>: Access is denied.(5)\nAsk.");
        QCOMPARE(box->accessibleDescription(), told);
        // The name as typed, not as markup.
        QCOMPARE(box->toolTip(), Qt::convertFromPlainText(told, Qt::WhiteSpaceNormal));
        QVERIFY(box->toolTip().contains(QStringLiteral("&lt;b&gt;SRV07")));
        QVERIFY(!box->styleSheet().isEmpty());
        Click(w->ABORT_SSS_BUTTON);
        QVERIFY(!failure_mark::IsMarked(box));
        QVERIFY(box->styleSheet().isEmpty());
        launcher->outcomes[1]({LineOutcome::Kind::NothingToAbort});
        QVERIFY(!failure_mark::IsMarked(box));
    }

    void aVeryLongNameIsStartedWhole()
    {
        open();
        const QString name(32767, QLatin1Char('n')), timeOut(32767, QLatin1Char('9'));
        w->PC_NAME_SSS_TEXTBOX->setText(name);
        w->SHUTDOWN_TIMEOUT_TEXTBOX->setText(timeOut);
        Click(w->SHUTDOWN_SSS_TICKBOX);
        Click(w->RUN_SSS_BUTTON);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /s /m \\\\" + name + " /t " + timeOut});
    }

    void saveStoresInputsAndTheyComeBack()
    {
        open();
        w->move(100, 50);
        QTest::keyClicks(w->PC_NAME_SSS_TEXTBOX, QStringLiteral("SRV01 "));
        Type(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("120"));
        Click(w->SHUTDOWN_SSS_TICKBOX);
        Click(w->FORCE_SSS_TICKBOX);
        Click(w->SAVE_BUTTON);
        QVERIFY(w->isVisible()); // Save keeps the window open
        QCOMPARE(WrittenValues(*backend),
                 (QStringList{"SGUI_SIM_Left=1500", "SGUI_SIM_Top=750", "PC_NAME_SSS_TEXTBOX=SRV01 ",
                              "SHUTDOWN_TIMEOUT_TEXTBOX=120", "SHUTDOWN_SSS_TICKBOX=1",
                              "RESTART_SSS_TICKBOX=0", "FORCE_SSS_TICKBOX=1"}));
        QCOMPARE(backend->flushes, 1);

        Click(w->CLOSE_BUTTON);
        open();
        QCOMPARE(w->pos(), QPoint(100, 50));
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QStringLiteral("SRV01 "));
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
        QCOMPARE(tickState(), QStringLiteral("101E-E"));
    }

    // Whichever way the window closes, the position is written and the
    // unsaved edits are lost.
    void everyClosePathWritesThePositionOnly_data()
    {
        ClosePathRows({"SGUI_SIM_Left=450", "SGUI_SIM_Top=3000"});
    }

    void everyClosePathWritesThePositionOnly()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, writes);
        backend->values["PC_NAME_SSS_TEXTBOX"] = "OLD";
        open();
        w->move(30, 200);
        QTest::keyClicks(w->PC_NAME_SSS_TEXTBOX, QStringLiteral("-NEW"));
        Click(w->RESTART_SSS_TICKBOX);
        CloseBy(how, w.get(), w->CLOSE_BUTTON, w->PC_NAME_SSS_TEXTBOX);
        QVERIFY(!w->isVisible());
        QCOMPARE(WrittenValues(*backend), writes);
        QVERIFY(backend->flushes > 0);
        open();
        QCOMPARE(w->pos(), QPoint(30, 200));
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QStringLiteral("OLD"));
        QCOMPARE(tickState(), QStringLiteral("000EEE"));
    }
};

QTEST_MAIN(SimpleWindowTest)
#include "SimpleWindowTest.moc"
