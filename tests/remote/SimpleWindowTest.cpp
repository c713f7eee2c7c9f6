#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"
#include "support/WindowTestHelpers.h"
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
    // Shutdown, Restart and Force, in that order.
    QList<TickBox*> ticks() const
    {
        return {w->SHUTDOWN_SSS_TICKBOX, w->RESTART_SSS_TICKBOX, w->FORCE_SSS_TICKBOX};
    }
    QString enabled() const
    {
        QString out;
        for (TickBox* box : ticks())
            out += box->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
        return out;
    }
    QString values() const
    {
        QString out;
        for (TickBox* box : ticks())
            out += QString::number(box->value());
        return out;
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
        QCOMPARE(values() + enabled(), QStringLiteral("000EEE"));
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
            QCOMPARE(values() + enabled(), after);
        }
    }

    void storedTicksApplyTheExclusionOnLoad_data()
    {
        QTest::addColumn<QStringList>("srf");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("runLines");
        const QString s = QStringLiteral("shutdown /s /m \\\\SRV01 /t 30");
        const QString g = QStringLiteral("shutdown /g /m \\\\SRV01 /t 30");
        QTest::newRow("none") << QStringList{"0", "0", "0"} << "EEE" << QStringList{};
        QTest::newRow("shutdown") << QStringList{"1", "0", "0"} << "E-E" << QStringList{s};
        QTest::newRow("restart") << QStringList{"0", "1", "0"} << "-EE" << QStringList{g};
        QTest::newRow("both, from elsewhere") << QStringList{"1", "1", "0"} << "--E" << QStringList{s, g};
        QTest::newRow("force 2 runs nothing") << QStringList{"1", "0", "2"} << "E-E" << QStringList{};
        QTest::newRow("shutdown 2 is clear") << QStringList{"2", "0", "0"} << "EEE" << QStringList{};
        QTest::newRow("not a number") << QStringList{"yes", "1", "0"} << "-EE" << QStringList{g};
    }

    void storedTicksApplyTheExclusionOnLoad()
    {
        QFETCH(QStringList, srf);
        QFETCH(QString, enabled);
        QFETCH(QStringList, runLines);
        backend->values["PC_NAME_SSS_TEXTBOX"] = "SRV01";
        const char* keys[] = {"SHUTDOWN_SSS_TICKBOX", "RESTART_SSS_TICKBOX", "FORCE_SSS_TICKBOX"};
        for (int i = 0; i < 3; ++i)
            backend->values[keys[i]] = srf[i].toStdString();
        open();
        QCOMPARE(this->enabled(), enabled);
        Click(w->RUN_SSS_BUTTON);
        QCOMPARE(Launched(*launcher), runLines);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), runLines.isEmpty() ? kPlaceholder : runLines.last());
    }

    void runAndAbortLaunchWhatTheBoxShows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("timeOut");
        QTest::addColumn<QList<int>>("clicks"); // 0 Shutdown, 1 Restart, 2 Force
        QTest::addColumn<bool>("abort");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* tag, const char* name, const char* timeOut, QList<int> clicks,
                            bool abort, const char* line) {
            QTest::newRow(tag) << name << timeOut << clicks << abort << line;
        };
        row("forced shutdown", "SRV01", "30", {0, 2}, false, "shutdown /s /f /m \\\\SRV01 /t 30");
        row("restart", "SRV01", "0", {1}, false, "shutdown /g /m \\\\SRV01 /t 0");
        row("force alone", "SRV01", "30", {2}, false, "");
        row("abort ignores the ticks", "SRV01", "30", {0}, true, "shutdown /a /m \\\\SRV01");
        row("abort, empty name", "", "30", {}, true, "shutdown /a /m \\\\");
        row("odd time-out as typed", " SRV 01 ", "ten & more", {0}, false,
            "shutdown /s /m \\\\ SRV 01  /t ten & more");
    }

    void runAndAbortLaunchWhatTheBoxShows()
    {
        QFETCH(QString, name);
        QFETCH(QString, timeOut);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, abort);
        QFETCH(QString, line);
        open();
        Type(w->PC_NAME_SSS_TEXTBOX, name);
        Type(w->SHUTDOWN_TIMEOUT_TEXTBOX, timeOut);
        for (int box : clicks)
            Click(ticks()[box]);
        Click(abort ? w->ABORT_SSS_BUTTON : w->RUN_SSS_BUTTON);
        QCOMPARE(Launched(*launcher), line.isEmpty() ? QStringList{} : QStringList{line});
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), line.isEmpty() ? kPlaceholder : line);
        QVERIFY(backend->writes.empty()); // inputs are stored only by Save
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
        const QStringList keys{
            "SGUI_SIM_Left",        "SGUI_SIM_Top",        "PC_NAME_SSS_TEXTBOX", "SHUTDOWN_TIMEOUT_TEXTBOX",
            "SHUTDOWN_SSS_TICKBOX", "RESTART_SSS_TICKBOX", "FORCE_SSS_TICKBOX"};
        QCOMPARE(Writes(*backend), keys);
        QCOMPARE(backend->flushes, 1);
        QStringList stored;
        for (const QString& key : keys)
            stored << Stored(*backend, key.toStdString());
        QCOMPARE(stored, (QStringList{"1500", "750", "SRV01 ", "120", "1", "0", "1"}));

        Click(w->CLOSE_BUTTON);
        open();
        QCOMPARE(w->pos(), QPoint(100, 50));
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QStringLiteral("SRV01 "));
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
        QCOMPARE(values() + enabled(), QStringLiteral("101E-E"));
    }

    // Whichever way the window closes, the position is written and the
    // unsaved edits are lost.
    void everyClosePathWritesThePositionOnly_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("writes");
        const QStringList once{"SGUI_SIM_Left", "SGUI_SIM_Top"};
        QTest::newRow("Close button, then unload") << "button" << once + once;
        QTest::newRow("Escape presses Close") << "escape" << once + once;
        QTest::newRow("Enter in the name box presses Close") << "enter" << once + once;
        QTest::newRow("close box unloads once") << "closebox" << once;
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
        if (how == QLatin1String("button"))
            Click(w->CLOSE_BUTTON);
        else if (how == QLatin1String("closebox"))
            w->close();
        else
            QTest::keyClick(w->PC_NAME_SSS_TEXTBOX,
                            how == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QCOMPARE(Writes(*backend), writes);
        QCOMPARE(Stored(*backend, "SGUI_SIM_Left") + " " + Stored(*backend, "SGUI_SIM_Top"),
                 QStringLiteral("450 3000"));
        QVERIFY(backend->flushes > 0);
        open();
        QCOMPARE(w->pos(), QPoint(30, 200));
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QStringLiteral("OLD"));
        QCOMPARE(values() + enabled(), QStringLiteral("000EEE"));
    }
};

QTEST_MAIN(SimpleWindowTest)
#include "SimpleWindowTest.moc"
