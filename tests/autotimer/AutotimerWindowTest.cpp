#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowTestBase.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

// What the window's state table fixes for each state.
struct Expected {
    QString status;
    bool actionsEnabled;
    bool ok;
    bool cancel;
    bool readOnly;
    bool timerRunning;
};

const QString kWaiting = QStringLiteral("WAITING FOR USER INPUT");
const QString kChosen = QStringLiteral("OPTION SELECTED");
const QString kStarted = QStringLiteral("COUNTDOWN STARTED");
const QString kRunning = QStringLiteral("!!! AUTOTIMER RUNNING !!!");
const QString kAborted = QStringLiteral("!!! COUNTDOWN ABORTED !!!");

using Launches = std::vector<RecordingLauncher::Launched>;

} // namespace

class AutotimerWindowTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_AUTOTIMER_WINDOW> w;

    void open()
    {
        w = std::make_unique<ZT_VOLTRAIL_AUTOTIMER_WINDOW>(*services, nullptr);
        w->Load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Replaces the countdown box's text as a person would: select all, type.
    void type(const QString& text)
    {
        QLineEdit* box = w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            w->AUTOTIMER_COUNTER_Timer();
    }

    void start(QPushButton* action, const QString& duration)
    {
        click(action);
        type(duration);
        click(w->OK_BUTTON);
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), kStarted);
    }

    void expectState(const Expected& e)
    {
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), e.status);
        for (QPushButton* b : {w->SHUTDOWN_BUTTON, w->RESTART_BUTTON, w->HIBERNATE_BUTTON, w->LOGOFF_BUTTON})
            QCOMPARE(b->isEnabled(), e.actionsEnabled);
        QCOMPARE(w->OK_BUTTON->isEnabled(), e.ok);
        QCOMPARE(w->CANCEL_BUTTON->isEnabled(), e.cancel);
        QVERIFY(w->CLOSE_BUTTON->isEnabled());
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->isReadOnly(), e.readOnly);
        QCOMPARE(w->AUTOTIMER_COUNTER->isActive(), e.timerRunning);
        QVERIFY(w->isVisible());
    }

    void expectWaitingOrChosen(const QString& status, bool ok)
    {
        expectState({status, true, ok, false, false, false});
    }
    void expectCounting(const QString& status) { expectState({status, false, false, true, true, true}); }
    void expectAborted() { expectState({kAborted, true, true, false, false, false}); }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { w.reset(); }

    void freshWindow()
    {
        open();
        expectWaitingOrChosen(kWaiting, false);
        QCOMPARE(w->windowTitle(), QStringLiteral("ZT-VOLTRAIL - AUTOTIMER"));
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:00"));
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), QStringLiteral("!!! SELECT ACTION !!!"));
        QVERIFY(w->AUTOTIMER_ACTION_TEXTBOX->isReadOnly());
        QCOMPARE(w->AUTOTIMER_COUNTER->interval(), 1000);
        QCOMPARE(w->AUTOTIMER_COUNTER->timerType(), Qt::PreciseTimer);
        QCOMPARE(w->pos(), QPoint(67, 67));
        QCOMPARE(w->frameGeometry().size(), QSize(399, 279));
        QCOMPARE(w->Label1->text() + w->Label2->text() + w->Label4->text() + w->Label5->text() +
                     w->Label3->text(),
                 QStringLiteral("ShutdownRestartHibernateLogoffClose"));

        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
            QVERIFY(w->rect().contains(b->geometry()));
        }
        for (QLineEdit* box : w->findChildren<QLineEdit*>())
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));

        // OK cannot start anything before an action is chosen.
        click(w->OK_BUTTON);
        QTest::keyClick(w->OK_BUTTON, Qt::Key_Space);
        expectWaitingOrChosen(kWaiting, false);
        QVERIFY(backend->writes.empty());
    }

    void actionButtonChoosesItsLabel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::newRow("shutdown") << "SHUTDOWN_BUTTON"
                                  << "SHUTDOWN PC";
        QTest::newRow("restart") << "RESTART_BUTTON"
                                 << "RESTART PC";
        QTest::newRow("hibernate") << "HIBERNATE_BUTTON"
                                   << "HIBERNATE PC";
        QTest::newRow("logoff") << "LOGOFF_BUTTON"
                                << "LOGOFF CURRENT USER";
    }

    void actionButtonChoosesItsLabel()
    {
        QFETCH(QString, button);
        QFETCH(QString, label);
        open();
        click(Child<QPushButton>(w.get(), button.toLatin1().constData()));
        expectWaitingOrChosen(kChosen, true);
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), label);
        QVERIFY(launcher->launched.empty());
    }

    void eachActionFiresItsLineHidden_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("line");
        QTest::newRow("shutdown") << "SHUTDOWN_BUTTON"
                                  << "!!! SHUTTING DOWN !!!"
                                  << "shutdown /s /t 0";
        QTest::newRow("restart") << "RESTART_BUTTON"
                                 << "!!! RESTARTING !!!"
                                 << "shutdown /g /f /t 0";
        QTest::newRow("hibernate") << "HIBERNATE_BUTTON"
                                   << "!!! HIBERNATING !!!"
                                   << "shutdown /h";
        QTest::newRow("logoff") << "LOGOFF_BUTTON"
                                << "!!! LOGGING OFF USER !!!"
                                << "shutdown /l";
    }

    void eachActionFiresItsLineHidden()
    {
        QFETCH(QString, button);
        QFETCH(QString, status);
        QFETCH(QString, line);
        open();
        start(Child<QPushButton>(w.get(), button.toLatin1().constData()), QStringLiteral("00:00:01"));
        ticks(1);
        QCOMPARE(launcher->launched, (Launches{{line.toStdString(), 0}}));
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), status);
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("--:--:--"));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->AUTOTIMER_COUNTER->isActive());
        QCOMPARE(backend->writes, (std::vector<std::string>{"AUTOTIMER_Left", "AUTOTIMER_Top"}));
    }

    void firesOnExactlyTheNthTick_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("afterFirstTick");
        QTest::newRow("one second") << "00:00:01" << 1 << "";
        QTest::newRow("two, short form") << "0:0:2" << 2 << "00:00:01";
        QTest::newRow("65 seconds") << "00:01:05" << 65 << "00:01:04";
        QTest::newRow("an hour") << "1:00:00" << 3600 << "00:59:59";
        QTest::newRow("longest") << "23:59:59" << 86399 << "23:59:58";
    }

    void firesOnExactlyTheNthTick()
    {
        QFETCH(QString, duration);
        QFETCH(int, n);
        QFETCH(QString, afterFirstTick);
        open();
        start(w->LOGOFF_BUTTON, duration);
        expectCounting(kStarted);
        if (n > 1) {
            ticks(1);
            expectCounting(kRunning);
            QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), afterFirstTick);
            ticks(n - 2); // up to tick n - 1
            QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:01"));
            QVERIFY(launcher->launched.empty());
            QVERIFY(w->isVisible());
        }
        ticks(1);
        QCOMPARE(launcher->launched, (Launches{{"shutdown /l", 0}}));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->AUTOTIMER_COUNTER->isActive());
    }

    void lastChoiceBeforeOkIsPerformed()
    {
        open();
        click(w->RESTART_BUTTON);
        click(w->HIBERNATE_BUTTON);
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), QStringLiteral("HIBERNATE PC"));
        type(QStringLiteral("0:00:03"));
        click(w->OK_BUTTON);
        ticks(3);
        QCOMPARE(launcher->launched, (Launches{{"shutdown /h", 0}}));
    }

    void cancelKeepsTheTimeAndOkResumesFromIt()
    {
        open();
        start(w->SHUTDOWN_BUTTON, QStringLiteral("00:01:00"));
        ticks(20);
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:40"));
        click(w->CANCEL_BUTTON);
        expectAborted();
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:40"));
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), QStringLiteral("SHUTDOWN PC"));

        click(w->OK_BUTTON);
        expectCounting(kStarted);
        ticks(39);
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:01"));
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(launcher->launched, (Launches{{"shutdown /s /t 0", 0}}));
    }

    void changesBetweenCancelAndOkAreHonoured()
    {
        open();
        start(w->RESTART_BUTTON, QStringLiteral("00:00:30"));
        ticks(5);
        click(w->CANCEL_BUTTON);
        click(w->LOGOFF_BUTTON);
        expectWaitingOrChosen(kChosen, true);
        type(QStringLiteral("0:00:03"));
        click(w->OK_BUTTON);
        ticks(2);
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(launcher->launched, (Launches{{"shutdown /l", 0}}));
    }

    void countdownBoxIsReadOnlyExactlyWhileCounting()
    {
        open();
        type(QStringLiteral("0:00:09"));
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("0:00:09"));
        click(w->SHUTDOWN_BUTTON);
        click(w->OK_BUTTON);
        ticks(1);
        type(QStringLiteral("23:00:00"));
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:08"));
        click(w->CANCEL_BUTTON);
        type(QStringLiteral("0:00:02"));
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("0:00:02"));
    }

    void closingDuringCountdownLaunchesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("placementWrites");
        QTest::newRow("Close button") << "close" << 4;
        QTest::newRow("Escape") << "escape" << 4;
        QTest::newRow("Escape in the countdown box") << "escape-box" << 4;
        QTest::newRow("Enter in the countdown box") << "enter-box" << 4;
        QTest::newRow("frame close box") << "frame" << 2;
    }

    void closingDuringCountdownLaunchesNothing()
    {
        QFETCH(QString, how);
        QFETCH(int, placementWrites);
        open();
        w->move(200, -40);
        start(w->HIBERNATE_BUTTON, QStringLiteral("00:00:02"));
        ticks(1);
        QLineEdit* box = w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX;
        if (how == QLatin1String("close")) {
            click(w->CLOSE_BUTTON);
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(w.get(), Qt::Key_Escape);
        } else if (how == QLatin1String("escape-box")) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (how == QLatin1String("enter-box")) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            w->close();
        }
        QVERIFY(!w->isVisible());
        QVERIFY(!w->AUTOTIMER_COUNTER->isActive());
        QVERIFY(launcher->launched.empty());

        std::vector<std::string> expected;
        for (int i = 0; i < placementWrites; i += 2)
            expected.insert(expected.end(), {"AUTOTIMER_Left", "AUTOTIMER_Top"});
        QCOMPARE(backend->writes, expected);
        QCOMPARE(backend->values["AUTOTIMER_Left"], std::string("3000"));
        QCOMPARE(backend->values["AUTOTIMER_Top"], std::string("-600"));
        QVERIFY(backend->flushes > 0);
    }

    void refusedStartLeavesTheWindowUsable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("afterCancel");
        QTest::addColumn<QString>("status");
        const QString invalid = QStringLiteral("!!! INVALID TIME (HH:MM:SS) !!!");
        const QString zero = QStringLiteral("!!! TIME MUST BE ABOVE 00:00:00 !!!");
        QTest::newRow("letters") << "abc" << false << invalid;
        QTest::newRow("24 hours") << "24:00:00" << false << invalid;
        QTest::newRow("60 minutes") << "1:60:00" << false << invalid;
        QTest::newRow("colons only") << "::" << false << invalid;
        QTest::newRow("blanks") << "   " << false << invalid;
        QTest::newRow("empty") << "" << false << invalid;
        QTest::newRow("long paste") << QString(1000, QLatin1Char('7')) << false << invalid;
        QTest::newRow("zero") << "00:00:00" << false << zero;
        QTest::newRow("zero, short") << "0:0:0" << false << zero;
        QTest::newRow("letters after cancel") << "1:2:x" << true << invalid;
        QTest::newRow("zero after cancel") << "00:00:00" << true << zero;
    }

    void refusedStartLeavesTheWindowUsable()
    {
        QFETCH(QString, text);
        QFETCH(bool, afterCancel);
        QFETCH(QString, status);
        open();
        if (afterCancel) {
            start(w->SHUTDOWN_BUTTON, QStringLiteral("00:00:30"));
            ticks(3);
            click(w->CANCEL_BUTTON);
        } else {
            click(w->SHUTDOWN_BUTTON);
        }
        type(text);
        click(w->OK_BUTTON);
        // Nothing started: still in the state it was in, saying why.
        expectState({status, true, true, false, false, false});
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), text);
        QVERIFY(launcher->launched.empty());

        type(QStringLiteral("0:00:02"));
        click(w->OK_BUTTON);
        expectCounting(kStarted);
        ticks(2);
        QCOMPARE(launcher->launched, (Launches{{"shutdown /s /t 0", 0}}));
    }

    void realCountdownOfTwoSeconds()
    {
        open();
        QElapsedTimer clock;
        start(w->RESTART_BUTTON, QStringLiteral("0:00:02"));
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(w->AUTOTIMER_TITLE_LABEL->text(), kRunning, 3000);
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(), QStringLiteral("00:00:01"));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 3000);
        QVERIFY(clock.elapsed() >= 1900);
        QCOMPARE(launcher->launched, (Launches{{"shutdown /g /f /t 0", 0}}));
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), QStringLiteral("!!! RESTARTING !!!"));
    }

    void mainBarOpensAFreshWindowEachTime()
    {
        backend->values["AlwaysOnTop_TICKBOX"] = "0";
        backend->values["AUTOTIMER_Left"] = "1500";
        ZT_VOLTRAIL_MAIN bar(*services);
        bar.Form_Load();
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        for (int opening = 0; opening < 2; ++opening) {
            QString status, box, action;
            QPoint where;
            ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_AUTOTIMER_WINDOW"), [&](QWidget* window) {
                status = Child<QLabel>(window, "AUTOTIMER_TITLE_LABEL")->text();
                box = Child<QLineEdit>(window, "CLOSE_REQUEST_COUNTDOWN_TEXTBOX")->text();
                action = Child<QLineEdit>(window, "AUTOTIMER_ACTION_TEXTBOX")->text();
                where = window->pos();
                // Leave something behind that a fresh window must not show.
                QTest::mouseClick(Child<QPushButton>(window, "RESTART_BUTTON"), Qt::LeftButton);
                Child<QLineEdit>(window, "CLOSE_REQUEST_COUNTDOWN_TEXTBOX")
                    ->setText(QStringLiteral("5:00:00"));
                QTest::keyClick(window, Qt::Key_Escape);
            });
            QTest::mouseClick(bar.AUTOTIMER_BUTTON, Qt::LeftButton);
            QCOMPARE(ModalDriver::missed(), 0);
            QCOMPARE(status, kWaiting);
            QCOMPARE(box, QStringLiteral("00:00:00"));
            QCOMPARE(action, QStringLiteral("!!! SELECT ACTION !!!"));
            QCOMPARE(where, QPoint(100, 67));
        }
        QVERIFY(launcher->launched.empty());
        QVERIFY(!backend->has("AUTOTIMER_Width"));
        QVERIFY(!backend->has("AUTOTIMER_Height"));
    }
};

QTEST_MAIN(AutotimerWindowTest)
#include "AutotimerWindowTest.moc"
