#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowActions.h"
#include "support/WindowTestBase.h"
#include "ui/TickBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

class MainBarTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

    void openBar()
    {
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { bar.reset(); }

    void firstRunDefaults()
    {
        openBar();
        QCOMPARE(bar->pos(), QPoint(67, 67));
        QCOMPARE(bar->frameGeometry().size(), QSize(167, 52));
        QCOMPARE(bar->AlwaysOnTop_TICKBOX->value(), std::int16_t{1});
        QVERIFY(bar->AlwaysOnTopTimer->isActive());
        QCOMPARE(bar->AlwaysOnTopTimer->interval(), 1000);
        QCOMPARE(bar->ACTION_TEXTBOX->text(), QStringLiteral("ACTION_TEXTBOX"));
        for (auto* b : {bar->ZT_BUTTON, bar->RUN_NOW_BUTTON, bar->POWER_BUTTON, bar->AUTOTIMER_BUTTON,
                        bar->ZT_SHUTDOWN_GUI_BUTTON, bar->MS_SHUTDOWN_GUI_BUTTON}) {
            QVERIFY(b->isVisible());
            QVERIFY(!b->accessibleName().isEmpty());
            QCOMPARE(b->accessibleName(), b->toolTip());
        }
        QVERIFY(!bar->ACTION_TEXTBOX->isVisible());
        QVERIFY(!bar->SHUTDOWN_TICKBOX->isVisible());
    }

    void runNowWithNoChoiceDoesNothing()
    {
        openBar();
        QTest::mouseClick(bar->RUN_NOW_BUTTON, Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(launcher->launched.empty());
    }

    void runNowConfirmsTheTickedAction_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("line");
        QTest::newRow("shutdown") << "SHUTDOWN_TICKBOX"
                                  << "SHUTDOWN PC"
                                  << "shutdown /s /t 0";
        QTest::newRow("restart") << "RESTART_TICKBOX"
                                 << "RESTART PC"
                                 << "shutdown /g /f /t 0";
        QTest::newRow("hibernate") << "HIBERNATE_TICKBOX"
                                   << "HIBERNATE PC"
                                   << "shutdown /h";
        QTest::newRow("logoff") << "LOGOFF_TICKBOX"
                                << "LOGOFF CURRENT USER"
                                << "shutdown /l";
    }

    void runNowConfirmsTheTickedAction()
    {
        QFETCH(QString, key);
        QFETCH(QString, label);
        QFETCH(QString, line);
        backend->values[key.toStdString()] = "1";
        openBar();
        QString shown;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW"), [&](QWidget* w) {
            shown = Child<QLineEdit>(w, "ACTION_TEXTBOX")->text();
            QTest::mouseClick(Child<QPushButton>(w, "OK_BUTTON"), Qt::LeftButton);
        });
        QTest::mouseClick(bar->RUN_NOW_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(shown, label);
        QCOMPARE(launcher->launched.size(), size_t{1});
        QCOMPARE(QString::fromStdString(launcher->launched[0].commandLine), line);
        QCOMPARE(launcher->launched[0].style, std::int16_t{0});
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Every window RUN NOW (or POWER) opens is answered with Cancel; the log
    // names each window, and how many secondary windows were up at the time.
    void runNowOpensWindowsOneAfterAnother_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QString>("pending");
        const QString ask = QStringLiteral("run option 1");
        const QString none = QStringLiteral("ACTION_TEXTBOX");
        QTest::newRow("none") << "RUN_NOW_BUTTON" << QStringList{} << QStringList{} << none;
        QTest::newRow("always ask") << "RUN_NOW_BUTTON" << QStringList{"ALWAYS_ASK_TICKBOX"}
                                    << QStringList{ask} << none;
        QTest::newRow("power button") << "POWER_BUTTON" << QStringList{} << QStringList{ask} << none;
        QTest::newRow("power ignores the choice")
            << "POWER_BUTTON" << QStringList{"SHUTDOWN_TICKBOX"} << QStringList{ask} << none;
        QTest::newRow("shutdown then ask")
            << "RUN_NOW_BUTTON" << QStringList{"ALWAYS_ASK_TICKBOX", "SHUTDOWN_TICKBOX"}
            << QStringList{"SHUTDOWN PC 1", ask} << "SHUTDOWN PC";
        QTest::newRow("all five") << "RUN_NOW_BUTTON"
                                  << QStringList{"LOGOFF_TICKBOX", "HIBERNATE_TICKBOX", "RESTART_TICKBOX",
                                                 "SHUTDOWN_TICKBOX", "ALWAYS_ASK_TICKBOX"}
                                  << QStringList{"SHUTDOWN PC 1", "RESTART PC 1", "HIBERNATE PC 1",
                                                 "LOGOFF CURRENT USER 1", ask}
                                  << "LOGOFF CURRENT USER";
        QTest::newRow("sleep and my cmd are ignored")
            << "RUN_NOW_BUTTON" << QStringList{"SLEEP_TICKBOX", "MY_CMD_TICKBOX"} << QStringList{} << none;
    }

    void runNowOpensWindowsOneAfterAnother()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, opened);
        QFETCH(QString, pending);
        for (const QString& key : ticked)
            backend->values[key.toStdString()] = "1";
        openBar();
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
            QTest::mouseClick(Child<QPushButton>(w, "CANCEL_BUTTON"), Qt::LeftButton);
        });
        answer.start(5);
        QTest::mouseClick(Child<QPushButton>(bar.get(), qPrintable(button)), Qt::LeftButton);
        QCOMPARE(log, opened);
        QVERIFY(launcher->launched.empty());
        QCOMPARE(bar->PendingActionLabel(), pending);
    }

    void unsavedSettingChangesRunNowForThisRun()
    {
        openBar();
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
        openBar();
        QTest::mouseClick(bar->MS_SHUTDOWN_GUI_BUTTON, Qt::LeftButton);
        QCOMPARE(launcher->launched, (std::vector<RecordingLauncher::Launched>{{"shutdown.exe /i", 1}}));
    }

    void closingStoresPositionAndFlagOnly()
    {
        backend->values["AlwaysOnTop_TICKBOX"] = "0";
        openBar();
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        bar->move(-30, 200);
        QSignalSpy unloaded(bar.get(), &ZT_VOLTRAIL_MAIN::unloaded);
        bar->close();
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(backend->writes, (std::vector<std::string>{"MAIN_Left", "MAIN_Top", "AlwaysOnTop_TICKBOX"}));
        QCOMPARE(backend->values["MAIN_Left"], std::string("-450"));
        QCOMPARE(backend->values["MAIN_Top"], std::string("3000"));
        QCOMPARE(backend->values["AlwaysOnTop_TICKBOX"], std::string("0"));
        QVERIFY(backend->flushes > 0);
    }
};

QTEST_MAIN(MainBarTest)
#include "MainBarTest.moc"
