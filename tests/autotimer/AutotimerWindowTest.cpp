#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowActions.h"
#include "support/WindowTestBase.h"
#include "support/WindowTestHelpers.h"
#include "ui/TickBox.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

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

    // The status, then what the state table fixes: E for each of the four
    // actions, OK, Cancel, Close and At clock time that is enabled, R for a
    // read-only box, T for a running timer, V for a window still shown.
    QString state() const
    {
        QString flags;
        for (QWidget* c : std::initializer_list<QWidget*>{
                 w->SHUTDOWN_BUTTON, w->RESTART_BUTTON, w->HIBERNATE_BUTTON, w->LOGOFF_BUTTON, w->OK_BUTTON,
                 w->CANCEL_BUTTON, w->CLOSE_BUTTON, w->AT_CLOCK_TIME_TICKBOX})
            flags += c->isEnabled() ? 'E' : '-';
        flags += w->CLOSE_REQUEST_COUNTDOWN_TEXTBOX->isReadOnly() ? 'R' : '-';
        flags += w->AUTOTIMER_COUNTER->isActive() ? 'T' : '-';
        flags += w->isVisible() ? 'V' : '-';
        return w->AUTOTIMER_TITLE_LABEL->text() + ' ' + flags;
    }
    static QString Idle(const QString& status, bool ok)
    {
        return status + (ok ? " EEEEE-EE--V" : " EEEE--EE--V");
    }
    static QString Counting(const QString& status) { return status + " -----EE-RTV"; }

private slots:
    void init() { ResetFixture(); }
    void cleanup() { w.reset(); }

    void freshWindow()
    {
        open();
        QCOMPARE(state(), Idle(kWaiting, false));
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
        QCOMPARE(state(), Idle(kWaiting, false));
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
        QCOMPARE(state(), Idle(kChosen, true));
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), label);
        start(action, QStringLiteral("00:00:01"));
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{line});
        QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), status);
        QCOMPARE(box(), QStringLiteral("--:--:--"));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->AUTOTIMER_COUNTER->isActive());
        QCOMPARE(WrittenValues(*backend), (QStringList{"AUTOTIMER_Left=1000", "AUTOTIMER_Top=1000"}));
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
        QCOMPARE(state(), Counting(kStarted));
        if (n > 1) {
            ticks(1);
            QCOMPARE(state(), Counting(kRunning));
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
        QCOMPARE(state(), Idle(kAborted, true));
        QCOMPARE(box(), QStringLiteral("00:00:40"));
        QCOMPARE(w->AUTOTIMER_ACTION_TEXTBOX->text(), QStringLiteral("SHUTDOWN PC"));

        Click(w->OK_BUTTON);
        QCOMPARE(state(), Counting(kStarted));
        ticks(39);
        QCOMPARE(box(), QStringLiteral("00:00:01"));
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /s /t 0"});
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
        QCOMPARE(state(), Idle(status, true));
        QCOMPARE(box(), text);
        QVERIFY(launcher->launched.empty());

        // A new action and time are honoured, also after Cancel.
        Click(w->LOGOFF_BUTTON);
        QCOMPARE(state(), Idle(kChosen, true));
        type(QStringLiteral("0:00:02"));
        Click(w->OK_BUTTON);
        QCOMPARE(state(), Counting(kStarted));
        ticks(1);
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /l"});
    }

    // Ticked, the box is a time of day on the clock; each row moves the clock
    // by the given milliseconds before each tick.
    void clockTimeIsMeasuredAgainstTheClock_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shownAtOk");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("status"); // empty: fired
        const auto row = [](const char* name, const char* typed, const char* shownAtOk, QList<int> steps,
                            const char* box, const QString& status) {
            QTest::newRow(name) << typed << shownAtOk << steps << box << status;
        };
        const QString fired;
        row("late ticks fire on time", "12:00:05", "00:00:05", {3000, 1500, 600}, "", fired);
        row("slept past it", "12:00:05", "00:00:05", {65001}, "12:00:05", "!!! MISSED 12:00:05 !!!");
        row("back an hour, then on", "12:00:05", "00:00:05", {-3600000, 3605000}, "", fired);
        row("now is tomorrow", "12:00:00", "24:00:00", {1000}, "23:59:59", kRunning);
        row("midnight", "0:00:00", "12:00:00", {}, "12:00:00", kStarted);
        row("not a time", "24:00:00", "24:00:00", {}, "24:00:00", kInvalid);
    }

    void clockTimeIsMeasuredAgainstTheClock()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shownAtOk);
        QFETCH(QList<int>, steps);
        QFETCH(QString, box);
        QFETCH(QString, status);
        open();
        ClickTick(w->AT_CLOCK_TIME_TICKBOX);
        start(w->SHUTDOWN_BUTTON, typed);
        QCOMPARE(this->box(), shownAtOk);
        for (int step : steps) {
            clock->nowMs += step;
            ticks(1);
        }
        if (status.isEmpty()) {
            QCOMPARE(Launched(*launcher), QStringList{"shutdown /s /t 0"});
            QCOMPARE(this->box(), QStringLiteral("--:--:--"));
            QVERIFY(!w->isVisible());
            return;
        }
        QVERIFY(launcher->launched.empty());
        QCOMPARE(this->box(), box);
        const bool counting = status == kRunning || status == kStarted;
        QCOMPARE(state(), counting ? Counting(status) : Idle(status, true));
        QVERIFY(w->AT_CLOCK_TIME_TICKBOX->isTicked());
    }

    // After Cancel, OK takes the box as a clock time while ticked, and as a
    // duration once cleared; after a miss, OK arms it for the next day.
    void okAfterCancelOrMissReadsTheBoxAgain()
    {
        open();
        ClickTick(w->AT_CLOCK_TIME_TICKBOX);
        start(w->LOGOFF_BUTTON, QStringLiteral("12:00:03"));
        Click(w->CANCEL_BUTTON);
        QCOMPARE(state(), Idle(kAborted, true));
        QCOMPARE(box(), QStringLiteral("00:00:03"));
        Click(w->OK_BUTTON);
        QCOMPARE(box(), QStringLiteral("12:00:03")); // 00:00:03 tomorrow
        Click(w->CANCEL_BUTTON);
        type(QStringLiteral("12:00:03"));
        Click(w->OK_BUTTON);
        clock->nowMs += 90000;
        ticks(1);
        QCOMPARE(box(), QStringLiteral("12:00:03"));
        Click(w->OK_BUTTON);
        QCOMPARE(box(), QStringLiteral("23:58:33"));
        Click(w->CANCEL_BUTTON);
        ClickTick(w->AT_CLOCK_TIME_TICKBOX);
        type(QStringLiteral("0:00:02"));
        Click(w->OK_BUTTON);
        clock->nowMs += 86400000; // no longer read
        ticks(1);
        QVERIFY(launcher->launched.empty());
        ticks(1);
        QCOMPARE(Launched(*launcher), QStringList{"shutdown /l"});
        QCOMPARE(WrittenValues(*backend), (QStringList{"AUTOTIMER_Left=1000", "AUTOTIMER_Top=1000"}));
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
