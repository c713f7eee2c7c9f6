#include "mainbar/ZT_VOLTRAIL_MAIN.h"
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
