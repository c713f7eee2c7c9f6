#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowTestBase.h"
#include "support/WindowTestHelpers.h"

#include <QElapsedTimer>
#include <QLabel>
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
    bool counting; // box read-only and the timer running
};

const QString kWaiting = QStringLiteral("WAITING FOR USER INPUT");
const QString kChosen = QStringLiteral("OPTION SELECTED");
const QString kStarted = QStringLiteral("COUNTDOWN STARTED");
const QString kRunning = QStringLiteral("!!! AUTOTIMER RUNNING !!!");
const QString kAborted = QStringLiteral("!!! COUNTDOWN ABORTED !!!");
const QString kInvalid = QStringLiteral("!!! INVALID TIME (HH:MM:SS) !!!");
const QString kZero = QStringLiteral("!!! TIME MUST BE ABOVE 00:00:00 !!!");

} // namespace

class AutotimerWindowTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_AUTOTIMER_WINDOW> w;

    void open() { OpenWindow(w, *services); }
    QString box() const { return w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text(); }

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
        Click(action);
        type(duration);
        Click(w->OK_BUTTON);
    }

    void expectState(const Expected& e)
    {
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), e.status);
        for (QPushButton* b : {w->SHUTDOWN_BUTTON, w->RESTART_BUTTON, w->HIBERNATE_BUTTON, w->LOGOFF_BUTTON})
            QCOMPARE(b->isEnabled(), e.actionsEnabled);
        QCOMPARE(w->OK_BUTTON->isEnabled(), e.ok);
        QCOMPARE(w->CANCEL_BUTTON->isEnabled(), e.cancel);
        QVERIFY(w->CLOSE_BUTTON->isEnabled());
        QCOMPARE(w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->isReadOnly(), e.counting);
        QCOMPARE(w->AUTOTIMER_COUNTER->isActive(), e.counting);
        QVERIFY(w->isVisible());
    }
    void expectIdle(const QString& status, bool ok) { expectState({status, true, ok, false, false}); }
    void expectCounting(const QString& status) { expectState({status, false, false, true, true}); }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { w.reset(); }

    void freshWindow()
    {
        open();
        expectIdle(kWaiting, false);
        QCOMPARE(w->windowTitle(), QStringLiteral("ZT-VOLTRAIL - AUTOTIMER"));
        QCOMPARE(box(), QStringLiteral("00:00:00"));
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), QStringLiteral("!!! SELECT ACTION !!!"));
        QVERIFY(w->AUTOTIMER_ACTION_TEXTBOX->isReadOnly());
        QCOMPARE(w->AUTOTIMER_COUNTER->interval(), 1000);
        QCOMPARE(w->AUTOTIMER_COUNTER->timerType(), Qt::PreciseTimer);
        QCOMPARE(w->pos(), QPoint(67, 67));
        QCOMPARE(w->frameGeometry().size(), QSize(399, 279));
        QCOMPARE(w->Label1->text() + w->Label2->text() + w->Label4->text() + w->Label5->text() +
                     w->Label3->text(),
                 QStringLiteral("ShutdownRestartHibernateLogoffClose"));
        for (QPushButton* b : w->findChildren<QPushButton*>())
            QVERIFY2(w->rect().contains(b->geometry()), qPrintable(b->objectName()));

        // OK cannot start anything before an action is chosen.
        Click(w->OK_BUTTON);
        QTest::keyClick(w->OK_BUTTON, Qt::Key_Space);
        expectIdle(kWaiting, false);
        QVERIFY(backend->writes.empty());
    }

    void eachActionIsChosenThenFiresItsLineHidden_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* button, const char* label, const char* status, const char* line) {
            QTest::newRow(button) << button << label << status << line;
        };
        row("SHUTDOWN_BUTTON", "SHUTDOWN PC", "!!! SHUTTING DOWN !!!", "shutdown /s /t 0");
        row("RESTART_BUTTON", "RESTART PC", "!!! RESTARTING !!!", "shutdown /g /f /t 0");
        row("HIBERNATE_BUTTON", "HIBERNATE PC", "!!! HIBERNATING !!!", "shutdown /h");
        row("LOGOFF_BUTTON", "LOGOFF CURRENT USER", "!!! LOGGING OFF USER !!!", "shutdown /l");
    }

    void eachActionIsChosenThenFiresItsLineHidden()
    {
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(QString, status);
        QFETCH(QString, line);
        open();
        auto* action = Child<QPushButton>(w.get(), qPrintable(button));
        Click(action);
        expectIdle(kChosen, true);
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), label);
        start(action, QStringLiteral("00:00:01"));
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{line});
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), status);
        QCOMPARE(box(), QStringLiteral("--:--:--"));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->AUTOTIMER_COUNTER->isActive());
        QCOMPARE(Writes(*backend), (QStringList{"AUTOTIMER_Left", "AUTOTIMER_Top"}));
    }

    void firesOnExactlyTheNthTick_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("afterFirstTick");
        QTest::newRow("one second") << "00:00:01" << 1 << "";
        QTest::newRow("65 seconds") << "00:01:05" << 65 << "00:01:04";
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
            QCOMPARE(box(), afterFirstTick);
            ticks(n - 2); // up to tick n - 1
            QCOMPARE(box(), QStringLiteral("00:00:01"));
            QVERIFY(launcher->launched.empty());
        }
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /l"});
        QVERIFY(!w->isVisible());
    }

    // The last action chosen before OK is the one performed; while counting the
    // box ignores typing, and Cancel keeps the time for OK to resume from.
    void cancelKeepsTheTimeAndOkResumesFromIt()
    {
        open();
        Click(w->RESTART_BUTTON);
        start(w->SHUTDOWN_BUTTON, QStringLiteral("00:01:00"));
        ticks(20);
        type(QStringLiteral("23:00:00"));
        Click(w->CANCEL_BUTTON);
        expectIdle(kAborted, true);
        QCOMPARE(box(), QStringLiteral("00:00:40"));
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), QStringLiteral("SHUTDOWN PC"));

        Click(w->OK_BUTTON);
        expectCounting(kStarted);
        ticks(39);
        QCOMPARE(box(), QStringLiteral("00:00:01"));
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /s /t 0"});
    }

    void changesBetweenCancelAndOkAreHonoured()
    {
        open();
        start(w->RESTART_BUTTON, QStringLiteral("00:00:30"));
        ticks(5);
        Click(w->CANCEL_BUTTON);
        Click(w->LOGOFF_BUTTON);
        expectIdle(kChosen, true);
        type(QStringLiteral("0:00:03"));
        Click(w->OK_BUTTON);
        ticks(2);
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /l"});
    }

    void closingDuringCountdownLaunchesNothing_data()
    {
        ClosePathRows({"AUTOTIMER_Left=3000", "AUTOTIMER_Top=-600"});
    }

    void closingDuringCountdownLaunchesNothing()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, writes);
        open();
        w->move(200, -40);
        start(w->HIBERNATE_BUTTON, QStringLiteral("00:00:02"));
        ticks(1);
        CloseBy(how, w.get(), w->CLOSE_BUTTON, w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->AUTOTIMER_COUNTER->isActive());
        QVERIFY(launcher->launched.empty());
        QCOMPARE(WrittenValues(*backend), writes);
        QVERIFY(backend->flushes > 0);
    }

    void refusedStartLeavesTheWindowUsable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("afterCancel");
        QTest::addColumn<QString>("status");
        QTest::newRow("letters") << "abc" << false << kInvalid;
        QTest::newRow("24 hours") << "24:00:00" << false << kInvalid;
        QTest::newRow("60 minutes") << "1:60:00" << false << kInvalid;
        QTest::newRow("colons only") << "::" << false << kInvalid;
        QTest::newRow("blanks") << "   " << false << kInvalid;
        QTest::newRow("long paste") << QString(1000, QLatin1Char('7')) << false << kInvalid;
        QTest::newRow("zero") << "00:00:00" << false << kZero;
        QTest::newRow("letters after cancel") << "1:2:x" << true << kInvalid;
        QTest::newRow("zero after cancel") << "00:00:00" << true << kZero;
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
            Click(w->CANCEL_BUTTON);
        } else {
            Click(w->SHUTDOWN_BUTTON);
        }
        type(text);
        Click(w->OK_BUTTON);
        // Nothing started: still in the state it was in, saying why.
        expectIdle(status, true);
        QCOMPARE(box(), text);
        QVERIFY(launcher->launched.empty());

        type(QStringLiteral("0:00:02"));
        Click(w->OK_BUTTON);
        expectCounting(kStarted);
        ticks(2);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /s /t 0"});
    }

    void realCountdownOfTwoSeconds()
    {
        open();
        QElapsedTimer clock;
        start(w->RESTART_BUTTON, QStringLiteral("0:00:02"));
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(w->AUTOTIMER_TITLE_LABEL->text(), kRunning, 3000);
        QCOMPARE(box(), QStringLiteral("00:00:01"));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 3000);
        QVERIFY(clock.elapsed() >= 1900);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /g /f /t 0"});
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
            QStringList seen;
            ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_AUTOTIMER_WINDOW"), [&](QWidget* window) {
                auto* box = Child<QLineEdit>(window, "CLOSE_REQUEST_COUNTDOWN_TEXTBOX");
                seen << Child<QLabel>(window, "AUTOTIMER_TITLE_LABEL")->text() << box->text()
                     << Child<QLineEdit>(window, "AUTOTIMER_ACTION_TEXTBOX")->text()
                     << QStringLiteral("%1,%2").arg(window->x()).arg(window->y());
                // Leave something behind that a fresh window must not show.
                Click(Child<QPushButton>(window, "RESTART_BUTTON"));
                box->setText(QStringLiteral("5:00:00"));
                QTest::keyClick(window, Qt::Key_Escape);
            });
            Click(bar.AUTOTIMER_BUTTON);
            QCOMPARE(ModalDriver::missed(), 0);
            QCOMPARE(seen, (QStringList{kWaiting, "00:00:00", "!!! SELECT ACTION !!!", "100,67"}));
        }
        QVERIFY(launcher->launched.empty());
    }
};

QTEST_MAIN(AutotimerWindowTest)
#include "AutotimerWindowTest.moc"
