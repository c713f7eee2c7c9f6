#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowActions.h"
#include "support/WindowTestBase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {
const QString kRunOption = QStringLiteral("ZT_VOLTRAIL_RUN_OPTION_WINDOW");
const QString kConfirm = QStringLiteral("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW");
} // namespace

// A local action from the bar's POWER button through the run option and
// confirm windows, driven with clicks and keys.
class LocalActionRoadTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

    QStringList written() const
    {
        QStringList out;
        for (const auto& key : backend->writes)
            out << QString::fromStdString(key);
        return out;
    }

    // Cancel by click, Enter, Escape, or the frame's close box.
    static void Leave(QWidget* window, const QString& path)
    {
        if (path == "cancel")
            QTest::mouseClick(Child<QPushButton>(window, "CANCEL_BUTTON"), Qt::LeftButton);
        else if (path == "close box")
            PressCloseBox(window);
        else
            PressKey(window, path == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    }

    static void addLeavePaths()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("positionWrites");
        QTest::newRow("cancel button") << "cancel" << 2;
        QTest::newRow("enter") << "enter" << 2;
        QTest::newRow("escape") << "escape" << 2;
        QTest::newRow("close box") << "close box" << 1;
    }

    static QStringList positions(const QString& prefix, int times)
    {
        QStringList out;
        for (int i = 0; i < times; ++i)
            out << prefix + "_Left" << prefix + "_Top";
        return out;
    }

private slots:
    void init()
    {
        ResetFixture();
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
    }
    void cleanup() { bar.reset(); }

    void okLaunchesTheChosenActionHidden_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("line");
        QTest::newRow("shutdown") << "SHUTDOWN_BUTTON"
                                  << "SHUTDOWN PC"
                                  << "shutdown /s /t 0";
        QTest::newRow("restart") << "RESTART_BUTTON"
                                 << "RESTART PC"
                                 << "shutdown /g /f /t 0";
        QTest::newRow("hibernate") << "HIBERNATE_BUTTON"
                                   << "HIBERNATE PC"
                                   << "shutdown /h";
        QTest::newRow("logoff") << "LOGOFF_BUTTON"
                                << "LOGOFF CURRENT USER"
                                << "shutdown /l";
    }

    void okLaunchesTheChosenActionHidden()
    {
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(QString, line);
        QString shown;
        bool chooserStillOpen = false;
        ModalDriver::When(kRunOption, [&](QWidget* chooser) {
            ModalDriver::When(kConfirm, [&](QWidget* confirm) {
                shown = Child<QLineEdit>(confirm, "ACTION_TEXTBOX")->text();
                chooserStillOpen = chooser->isVisible() && confirm->parentWidget() == chooser;
                QTest::mouseClick(Child<QPushButton>(confirm, "OK_BUTTON"), Qt::LeftButton);
            });
            QTest::mouseClick(Child<QPushButton>(chooser, qPrintable(button)), Qt::LeftButton);
        });
        QTest::mouseClick(bar->POWER_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(shown, label);
        QVERIFY(chooserStillOpen);
        QCOMPARE(launcher->launched, (std::vector<RecordingLauncher::Launched>{{line.toStdString(), 0}}));
        QVERIFY(!QApplication::activeModalWidget());
        // The confirm window closes first, then the chooser.
        QCOMPARE(written(), positions("ACTION_WINDOW", 1) + positions("RUN_OPTIONS", 1));
        QCOMPARE(bar->PendingActionLabel(), label);
    }

    void confirmLeftWithoutOkLaunchesNothing_data() { addLeavePaths(); }

    void confirmLeftWithoutOkLaunchesNothing()
    {
        QFETCH(QString, path);
        QFETCH(int, positionWrites);
        bool cancelHasFocus = false;
        ModalDriver::When(kRunOption, [&](QWidget* chooser) {
            ModalDriver::When(kConfirm, [&](QWidget* confirm) {
                cancelHasFocus = confirm->focusWidget() == Child<QPushButton>(confirm, "CANCEL_BUTTON");
                Leave(confirm, path);
            });
            QTest::mouseClick(Child<QPushButton>(chooser, "RESTART_BUTTON"), Qt::LeftButton);
        });
        QTest::mouseClick(bar->POWER_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QVERIFY(cancelHasFocus);
        QVERIFY(launcher->launched.empty());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(written(), positions("ACTION_WINDOW", positionWrites) + positions("RUN_OPTIONS", 1));
        QCOMPARE(bar->PendingActionLabel(), QStringLiteral("RESTART PC"));
    }

    void chooserLeftWithoutChoosing_data() { addLeavePaths(); }

    void chooserLeftWithoutChoosing()
    {
        QFETCH(QString, path);
        QFETCH(int, positionWrites);
        bool cancelHasFocus = false;
        ModalDriver::When(kRunOption, [&](QWidget* chooser) {
            chooser->move(-10, -20);
            cancelHasFocus = chooser->focusWidget() == Child<QPushButton>(chooser, "CANCEL_BUTTON");
            Leave(chooser, path);
        });
        QTest::mouseClick(bar->POWER_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QVERIFY(cancelHasFocus);
        QVERIFY(launcher->launched.empty());
        QCOMPARE(written(), positions("RUN_OPTIONS", positionWrites));
        QCOMPARE(backend->values["RUN_OPTIONS_Left"], std::string("-150"));
        QCOMPARE(backend->values["RUN_OPTIONS_Top"], std::string("-300"));
        QCOMPARE(bar->PendingActionLabel(), QStringLiteral("ACTION_TEXTBOX"));
    }

    void okWithoutALabelKeepsTheWindowOpen_data()
    {
        QTest::addColumn<QString>("pending");
        QTest::newRow("initial text") << "ACTION_TEXTBOX";
        QTest::newRow("other case") << "Restart PC";
        QTest::newRow("trailing blank") << "RESTART PC ";
        QTest::newRow("empty") << "";
    }

    void okWithoutALabelKeepsTheWindowOpen()
    {
        QFETCH(QString, pending);
        if (pending != QStringLiteral("ACTION_TEXTBOX")) // else left as the bar starts
            bar->ACTION_TEXTBOX->setText(pending);
        QString shown;
        bool stillOpen = false;
        ModalDriver::When(kConfirm, [&](QWidget* confirm) {
            shown = Child<QLineEdit>(confirm, "ACTION_TEXTBOX")->text();
            QTest::mouseClick(Child<QPushButton>(confirm, "OK_BUTTON"), Qt::LeftButton);
            stillOpen = confirm->isVisible() && QApplication::activeModalWidget() == confirm;
            QTest::mouseClick(Child<QPushButton>(confirm, "CANCEL_BUTTON"), Qt::LeftButton);
        });
        bar->OpenConfirmActionWindow(bar.get());
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(shown, pending);
        QVERIFY(stillOpen);
        QVERIFY(launcher->launched.empty());
    }
};

QTEST_MAIN(LocalActionRoadTest)
#include "LocalActionRoadTest.moc"
