#include "support/BarTestBase.h"
#include "support/WindowActions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {
const QString kRunOption = QStringLiteral("ZT_VOLTRAIL_RUN_OPTION_WINDOW");
const QString kConfirm = QStringLiteral("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW");

void Click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

QStringList Positions(const QString& prefix, int times)
{
    QStringList out;
    for (int i = 0; i < times; ++i)
        out << prefix + "_Left" << prefix + "_Top";
    return out;
}
} // namespace

// A local action from the bar's POWER button through the run option and
// confirm windows, driven with clicks and keys.
class LocalActionRoadTest : public BarTestBase {
    Q_OBJECT
private slots:
    void init()
    {
        ResetFixture();
        OpenBar();
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
                Click(confirm, "OK_BUTTON");
            });
            Click(chooser, qPrintable(button));
        });
        QTest::mouseClick(bar->POWER_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(shown, label);
        QVERIFY(chooserStillOpen);
        QCOMPARE(launcher->launched, (std::vector<RecordingLauncher::Launched>{{line.toStdString(), 0}}));
        QVERIFY(!QApplication::activeModalWidget());
        // The confirm window closes first, then the chooser.
        QCOMPARE(Written(), Positions("ACTION_WINDOW", 1) + Positions("RUN_OPTIONS", 1));
        QCOMPARE(bar->PendingActionLabel(), label);
    }

    void leftWithoutOkLaunchesNothing_data()
    {
        QTest::addColumn<bool>("atConfirm");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("positionWrites"); // the close box closes once, the others twice
        for (const bool atConfirm : {false, true}) {
            const char* window = atConfirm ? "confirm" : "run option";
            QTest::addRow("%s: cancel button", window) << atConfirm << "button" << 2;
            QTest::addRow("%s: enter", window) << atConfirm << "enter" << 2;
            QTest::addRow("%s: escape", window) << atConfirm << "escape" << 2;
            QTest::addRow("%s: close box", window) << atConfirm << "close box" << 1;
        }
    }

    void leftWithoutOkLaunchesNothing()
    {
        QFETCH(bool, atConfirm);
        QFETCH(QString, path);
        QFETCH(int, positionWrites);
        bool cancelHasFocus = false;
        const auto leave = [&](QWidget* window) {
            window->move(-10, -20);
            cancelHasFocus = window->focusWidget() == Child<QPushButton>(window, "CANCEL_BUTTON");
            Leave(window, path, "CANCEL_BUTTON");
        };
        ModalDriver::When(kRunOption, [&](QWidget* chooser) {
            if (!atConfirm)
                return leave(chooser);
            ModalDriver::When(kConfirm, leave);
            Click(chooser, "RESTART_BUTTON");
        });
        QTest::mouseClick(bar->POWER_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QVERIFY(cancelHasFocus);
        QVERIFY(launcher->launched.empty());
        QVERIFY(!QApplication::activeModalWidget());
        const QString left = atConfirm ? "ACTION_WINDOW" : "RUN_OPTIONS";
        QCOMPARE(Written(),
                 Positions(left, positionWrites) + (atConfirm ? Positions("RUN_OPTIONS", 1) : QStringList()));
        QCOMPARE(backend->values[(left + "_Left").toStdString()], std::string("-150"));
        QCOMPARE(backend->values[(left + "_Top").toStdString()], std::string("-300"));
        QCOMPARE(bar->PendingActionLabel(),
                 atConfirm ? QStringLiteral("RESTART PC") : QStringLiteral("ACTION_TEXTBOX"));
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
            Click(confirm, "OK_BUTTON");
            stillOpen = confirm->isVisible() && QApplication::activeModalWidget() == confirm;
            Click(confirm, "CANCEL_BUTTON");
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
