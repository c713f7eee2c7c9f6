#include "support/BarTestBase.h"
#include "support/WindowActions.h"
#include "ui/TickBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

class MainBarTest : public BarTestBase {
    Q_OBJECT
private slots:
    void init() { ResetFixture(); }
    void cleanup() { bar.reset(); }

    // Every window the button opens is answered (OK where the row says so,
    // else Cancel); the log names each window and how many secondary windows
    // were up at the time.
    void buttonOpensWindowsOneAfterAnother_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QStringList>("launched");
        // Lists are written with '|' between items.
        const auto row = [](const char* name, const char* button, const char* ticked, bool ok,
                            const char* opened, const char* pending, const char* launched = "") {
            const auto list = [](const char* items) { return QString(items).split('|', Qt::SkipEmptyParts); };
            QTest::newRow(name) << button << list(ticked) << ok << list(opened) << pending << list(launched);
        };
        const char* run = "RUN_NOW_BUTTON";
        const char* none = "ACTION_TEXTBOX";
        row("none", run, "", false, "", none);
        row("shutdown", run, "SHUTDOWN_TICKBOX", true, "SHUTDOWN PC 1", "SHUTDOWN PC", "shutdown /s /t 0");
        row("restart", run, "RESTART_TICKBOX", true, "RESTART PC 1", "RESTART PC", "shutdown /g /f /t 0");
        row("hibernate", run, "HIBERNATE_TICKBOX", true, "HIBERNATE PC 1", "HIBERNATE PC", "shutdown /h");
        row("logoff", run, "LOGOFF_TICKBOX", true, "LOGOFF CURRENT USER 1", "LOGOFF CURRENT USER",
            "shutdown /l");
        row("always ask", run, "ALWAYS_ASK_TICKBOX", false, "run option 1", none);
        row("power button", "POWER_BUTTON", "", false, "run option 1", none);
        row("power ignores the choice", "POWER_BUTTON", "SHUTDOWN_TICKBOX", false, "run option 1", none);
        row("shutdown then ask", run, "ALWAYS_ASK_TICKBOX|SHUTDOWN_TICKBOX", false,
            "SHUTDOWN PC 1|run option 1", "SHUTDOWN PC");
        row("all five", run,
            "LOGOFF_TICKBOX|HIBERNATE_TICKBOX|RESTART_TICKBOX|SHUTDOWN_TICKBOX|ALWAYS_ASK_TICKBOX", false,
            "SHUTDOWN PC 1|RESTART PC 1|HIBERNATE PC 1|LOGOFF CURRENT USER 1|run option 1",
            "LOGOFF CURRENT USER");
        row("sleep and my cmd are ignored", run, "SLEEP_TICKBOX|MY_CMD_TICKBOX", false, "", none);
    }

    void buttonOpensWindowsOneAfterAnother()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, ticked);
        QFETCH(bool, ok);
        QFETCH(QStringList, opened);
        QFETCH(QString, pending);
        QFETCH(QStringList, launched);
        for (const QString& key : ticked)
            backend->values[key.toStdString()] = "1";
        OpenBar();
        bar->SLEEP_TICKBOX->setValue(ticked.contains("SLEEP_TICKBOX"));
        bar->MY_CMD_TICKBOX->setValue(ticked.contains("MY_CMD_TICKBOX"));
        QStringList log;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isVisible())
                return;
            int up = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                up += top != bar.get() && top->isVisible();
            const auto* label = Child<QLineEdit>(w, "ACTION_TEXTBOX");
            log << QStringLiteral("%1 %2").arg(label ? label->text() : QStringLiteral("run option")).arg(up);
            QTest::mouseClick(Child<QPushButton>(w, label && ok ? "OK_BUTTON" : "CANCEL_BUTTON"),
                              Qt::LeftButton);
        });
        answer.start(5);
        QTest::mouseClick(Child<QPushButton>(bar.get(), qPrintable(button)), Qt::LeftButton);
        QCOMPARE(log, opened);
        QStringList lines;
        for (const auto& l : launcher->launched) {
            lines << QString::fromStdString(l.commandLine);
            QCOMPARE(l.style, std::int16_t{0});
        }
        QCOMPARE(lines, launched);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(bar->PendingActionLabel(), pending);
    }

    void unsavedSettingChangesRunNowForThisRun()
    {
        OpenBar();
        bool modalOverBar = false;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_ABOUT"), [&](QWidget* w) {
            modalOverBar = w->isModal() && w->parentWidget() == bar.get();
            ClickTick(Child<TickBox>(w, "HIBERNATE_TICKBOX"));
            PressCloseBox(w);
        });
        QTest::mouseClick(bar->ZT_BUTTON, Qt::LeftButton);
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW"), [&](QWidget* w) {
            QTest::mouseClick(Child<QPushButton>(w, "OK_BUTTON"), Qt::LeftButton);
        });
        QTest::mouseClick(bar->RUN_NOW_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QVERIFY(modalOverBar);
        QCOMPARE(launcher->lines(), std::vector<std::string>{"shutdown /h"});
        QVERIFY(!backend->has("HIBERNATE_TICKBOX"));
    }

    void msShutdownGuiLaunchesTheDialogShown()
    {
        OpenBar();
        QTest::mouseClick(bar->MS_SHUTDOWN_GUI_BUTTON, Qt::LeftButton);
        QCOMPARE(launcher->launched, (std::vector<RecordingLauncher::Launched>{{"shutdown.exe /i", 1}}));
        // Its command line sits in a hidden text box nothing changes.
        QCOMPARE(bar->MS_SHUTDOWN_GUI_RUN_CMD_TB->text(), QStringLiteral("shutdown.exe /i"));
        QVERIFY(!bar->MS_SHUTDOWN_GUI_RUN_CMD_TB->isVisible());
        // The hidden frame's caption arrives once the bar is up.
        QTRY_COMPARE(bar->RUN_NOW_SELECTOR_FRAME->title(), QStringLiteral("Run Now Button"));
    }

    void closingStoresTheFlagAsLoaded()
    {
        backend->values["AlwaysOnTop_TICKBOX"] = "0";
        OpenBar();
        QSignalSpy unloaded(bar.get(), &ZT_VOLTRAIL_MAIN::unloaded);
        bar->close();
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(backend->values["AlwaysOnTop_TICKBOX"], std::string("0"));
        QVERIFY(backend->flushes > 0);
    }
};

QTEST_MAIN(MainBarTest)
#include "MainBarTest.moc"
