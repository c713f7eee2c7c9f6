#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"
#include "ui/TickBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;
using Lines = std::vector<std::string>;

namespace {
const QString kPlaceholder = QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!");
}

class SimpleWindowTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_SGUI_SIMPLE> w;

    void open()
    {
        w = std::make_unique<ZT_VOLTRAIL_SGUI_SIMPLE>(*services, nullptr);
        w->Load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void reopen()
    {
        w.reset();
        open();
    }

    void store(const char* key, const char* value) { backend->values[key] = value; }

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
        for (TickBox* box : {w->SHUTDOWN_SSS_TICKBOX, w->RESTART_SSS_TICKBOX, w->FORCE_SSS_TICKBOX}) {
            QCOMPARE(box->value(), std::int16_t{0});
            QVERIFY(box->isEnabled());
        }
        QVERIFY(w->CLOSE_BUTTON->isDefault());
        // Every visible control a person presses or types into has a name.
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->isVisible() && (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)))
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        }
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->accessibleName(), QStringLiteral("PC Name"));
    }

    void shutdownAndRestartExcludeEachOtherOnClicks()
    {
        open();
        QTest::mouseClick(w->SHUTDOWN_SSS_TICKBOX, Qt::LeftButton);
        QCOMPARE(w->SHUTDOWN_SSS_TICKBOX->value(), std::int16_t{1});
        QVERIFY(!w->RESTART_SSS_TICKBOX->isEnabled());
        QTest::mouseClick(w->RESTART_SSS_TICKBOX, Qt::LeftButton); // disabled: no effect
        QCOMPARE(w->RESTART_SSS_TICKBOX->value(), std::int16_t{0});
        QTest::mouseClick(w->SHUTDOWN_SSS_TICKBOX, Qt::LeftButton);
        QVERIFY(w->RESTART_SSS_TICKBOX->isEnabled());
        QTest::mouseClick(w->RESTART_SSS_TICKBOX, Qt::LeftButton);
        QVERIFY(!w->SHUTDOWN_SSS_TICKBOX->isEnabled());
        QTest::mouseClick(w->FORCE_SSS_TICKBOX, Qt::LeftButton); // Force combines with either
        QVERIFY(!w->SHUTDOWN_SSS_TICKBOX->isEnabled());
        QTest::mouseClick(w->RESTART_SSS_TICKBOX, Qt::LeftButton);
        QVERIFY(w->SHUTDOWN_SSS_TICKBOX->isEnabled());
        QVERIFY(w->FORCE_SSS_TICKBOX->isEnabled());
    }

    void storedTicksApplyTheExclusionOnLoad_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("f");
        QTest::addColumn<bool>("shutdownEnabled");
        QTest::addColumn<bool>("restartEnabled");
        QTest::addColumn<QStringList>("runLines");
        const QString sLine = QStringLiteral("shutdown /s /m \\\\SRV01 /t 30");
        const QString gLine = QStringLiteral("shutdown /g /m \\\\SRV01 /t 30");
        QTest::newRow("none") << "0"
                              << "0"
                              << "0" << true << true << QStringList{};
        QTest::newRow("shutdown") << "1"
                                  << "0"
                                  << "0" << true << false << QStringList{sLine};
        QTest::newRow("restart") << "0"
                                 << "1"
                                 << "0" << false << true << QStringList{gLine};
        QTest::newRow("both, from elsewhere") << "1"
                                              << "1"
                                              << "0" << false << false << QStringList{sLine, gLine};
        QTest::newRow("force 2 runs nothing") << "1"
                                              << "0"
                                              << "2" << true << false << QStringList{};
        QTest::newRow("shutdown 2 is clear") << "2"
                                             << "0"
                                             << "0" << true << true << QStringList{};
        QTest::newRow("not a number") << "yes"
                                      << "1"
                                      << "0" << false << true << QStringList{gLine};
    }

    void storedTicksApplyTheExclusionOnLoad()
    {
        QFETCH(QString, s);
        QFETCH(QString, r);
        QFETCH(QString, f);
        QFETCH(bool, shutdownEnabled);
        QFETCH(bool, restartEnabled);
        QFETCH(QStringList, runLines);
        store("PC_NAME_SSS_TEXTBOX", "SRV01");
        backend->values["SHUTDOWN_SSS_TICKBOX"] = s.toStdString();
        backend->values["RESTART_SSS_TICKBOX"] = r.toStdString();
        backend->values["FORCE_SSS_TICKBOX"] = f.toStdString();
        open();
        QCOMPARE(w->SHUTDOWN_SSS_TICKBOX->isEnabled(), shutdownEnabled);
        QCOMPARE(w->RESTART_SSS_TICKBOX->isEnabled(), restartEnabled);
        QTest::mouseClick(w->RUN_SSS_BUTTON, Qt::LeftButton);
        Lines expected;
        for (const QString& line : runLines)
            expected.push_back(line.toStdString());
        QCOMPARE(launcher->lines(), expected);
        QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), runLines.isEmpty() ? kPlaceholder : runLines.last());
    }

    void runAndAbortLaunchWhatTheBoxShows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("timeOut");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line");
        QTest::newRow("forced shutdown")
            << "SRV01"
            << "30" << QStringList{"SHUTDOWN_SSS_TICKBOX", "FORCE_SSS_TICKBOX"} << "RUN_SSS_BUTTON"
            << "shutdown /s /f /m \\\\SRV01 /t 30";
        QTest::newRow("restart") << "SRV01"
                                 << "0" << QStringList{"RESTART_SSS_TICKBOX"} << "RUN_SSS_BUTTON"
                                 << "shutdown /g /m \\\\SRV01 /t 0";
        QTest::newRow("force alone") << "SRV01"
                                     << "30" << QStringList{"FORCE_SSS_TICKBOX"} << "RUN_SSS_BUTTON"
                                     << QString();
        QTest::newRow("abort ignores the ticks")
            << "SRV01"
            << "30" << QStringList{"SHUTDOWN_SSS_TICKBOX"} << "ABORT_SSS_BUTTON"
            << "shutdown /a /m \\\\SRV01";
        QTest::newRow("abort, empty name") << ""
                                           << "30" << QStringList{} << "ABORT_SSS_BUTTON"
                                           << "shutdown /a /m \\\\";
        QTest::newRow("odd time-out as typed")
            << " SRV 01 "
            << "ten & more" << QStringList{"SHUTDOWN_SSS_TICKBOX"} << "RUN_SSS_BUTTON"
            << "shutdown /s /m \\\\ SRV 01  /t ten & more";
        QTest::newRow("empty time-out")
            << "SRV01"
            << "" << QStringList{"RESTART_SSS_TICKBOX", "FORCE_SSS_TICKBOX"} << "RUN_SSS_BUTTON"
            << "shutdown /g /f /m \\\\SRV01 /t ";
    }

    void runAndAbortLaunchWhatTheBoxShows()
    {
        QFETCH(QString, name);
        QFETCH(QString, timeOut);
        QFETCH(QStringList, clicks);
        QFETCH(QString, button);
        QFETCH(QString, line);
        open();
        w->PC_NAME_SSS_TEXTBOX->clear();
        QTest::keyClicks(w->PC_NAME_SSS_TEXTBOX, name);
        w->SHUTDOWN_TIMEOUT_TEXTBOX->clear();
        QTest::keyClicks(w->SHUTDOWN_TIMEOUT_TEXTBOX, timeOut);
        for (const QString& tick : clicks)
            QTest::mouseClick(Child<TickBox>(w.get(), qPrintable(tick)), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(w.get(), qPrintable(button)), Qt::LeftButton);
        if (line.isEmpty()) {
            QVERIFY(launcher->launched.empty());
            QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), kPlaceholder);
        } else {
            QCOMPARE(launcher->launched,
                     (std::vector<RecordingLauncher::Launched>{{line.toStdString(), kStyleHidden}}));
            QCOMPARE(w->ALL_CMD_COMMANDS_TEXTBOX->text(), line);
        }
        QVERIFY(backend->writes.empty()); // inputs are stored only by Save
    }

    void aVeryLongNameIsStartedWhole()
    {
        open();
        const QString name(32767, QLatin1Char('n'));
        w->PC_NAME_SSS_TEXTBOX->setText(name);
        w->SHUTDOWN_TIMEOUT_TEXTBOX->setText(QString(32767, QLatin1Char('9')));
        QTest::mouseClick(w->SHUTDOWN_SSS_TICKBOX, Qt::LeftButton);
        QTest::mouseClick(w->RUN_SSS_BUTTON, Qt::LeftButton);
        QCOMPARE(launcher->launched.size(), size_t{1});
        QCOMPARE(launcher->launched[0].commandLine.size(), size_t{17 + 32767 + 4 + 32767});
        QVERIFY(launcher->launched[0].commandLine.ends_with(" /t " + std::string(32767, '9')));
    }

    void saveStoresInputsAndTheyComeBack()
    {
        open();
        w->move(100, 50);
        QTest::keyClicks(w->PC_NAME_SSS_TEXTBOX, QStringLiteral("SRV01 "));
        w->SHUTDOWN_TIMEOUT_TEXTBOX->clear();
        QTest::keyClicks(w->SHUTDOWN_TIMEOUT_TEXTBOX, QStringLiteral("120"));
        QTest::mouseClick(w->SHUTDOWN_SSS_TICKBOX, Qt::LeftButton);
        QTest::mouseClick(w->FORCE_SSS_TICKBOX, Qt::LeftButton);
        QTest::mouseClick(w->SAVE_BUTTON, Qt::LeftButton);
        QVERIFY(w->isVisible()); // Save keeps the window open
        QCOMPARE(backend->writes,
                 (Lines{"SGUI_SIM_Left", "SGUI_SIM_Top", "PC_NAME_SSS_TEXTBOX", "SHUTDOWN_TIMEOUT_TEXTBOX",
                        "SHUTDOWN_SSS_TICKBOX", "RESTART_SSS_TICKBOX", "FORCE_SSS_TICKBOX"}));
        QCOMPARE(backend->flushes, 1);
        QCOMPARE(backend->values["SGUI_SIM_Left"], std::string("1500"));
        QCOMPARE(backend->values["SGUI_SIM_Top"], std::string("750"));
        QCOMPARE(backend->values["PC_NAME_SSS_TEXTBOX"], std::string("SRV01 "));
        QCOMPARE(backend->values["SHUTDOWN_TIMEOUT_TEXTBOX"], std::string("120"));
        QCOMPARE(backend->values["SHUTDOWN_SSS_TICKBOX"], std::string("1"));
        QCOMPARE(backend->values["RESTART_SSS_TICKBOX"], std::string("0"));
        QCOMPARE(backend->values["FORCE_SSS_TICKBOX"], std::string("1"));

        QTest::mouseClick(w->CLOSE_BUTTON, Qt::LeftButton);
        reopen();
        QCOMPARE(w->pos(), QPoint(100, 50));
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QStringLiteral("SRV01 "));
        QCOMPARE(w->SHUTDOWN_TIMEOUT_TEXTBOX->text(), QStringLiteral("120"));
        QCOMPARE(w->SHUTDOWN_SSS_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(w->FORCE_SSS_TICKBOX->value(), std::int16_t{1});
        QVERIFY(!w->RESTART_SSS_TICKBOX->isEnabled());
        QVERIFY(!backend->has("SGUI_SIM_Width"));
        QVERIFY(!backend->has("SGUI_SIM_Height"));
    }

    void unsavedEditsAreLostButThePositionIsKept()
    {
        store("PC_NAME_SSS_TEXTBOX", "OLD");
        open();
        w->move(30, 40);
        QTest::keyClicks(w->PC_NAME_SSS_TEXTBOX, QStringLiteral("-NEW"));
        QTest::mouseClick(w->RESTART_SSS_TICKBOX, Qt::LeftButton);
        w->close();
        reopen();
        QCOMPARE(w->PC_NAME_SSS_TEXTBOX->text(), QStringLiteral("OLD"));
        QCOMPARE(w->RESTART_SSS_TICKBOX->value(), std::int16_t{0});
        QVERIFY(w->SHUTDOWN_SSS_TICKBOX->isEnabled());
        QCOMPARE(w->pos(), QPoint(30, 40));
    }

    void everyClosePathWritesThePosition_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("writes");
        const QStringList twice{"SGUI_SIM_Left", "SGUI_SIM_Top", "SGUI_SIM_Left", "SGUI_SIM_Top"};
        QTest::newRow("Close button, then unload") << "button" << twice;
        QTest::newRow("Escape presses Close") << "escape" << twice;
        QTest::newRow("Enter in the name box presses Close") << "enter" << twice;
        QTest::newRow("close box unloads once") << "closebox" << QStringList{"SGUI_SIM_Left", "SGUI_SIM_Top"};
    }

    void everyClosePathWritesThePosition()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, writes);
        open();
        w->move(-30, 200);
        QTest::keyClicks(w->PC_NAME_SSS_TEXTBOX, QStringLiteral("unsaved"));
        if (how == QLatin1String("button"))
            QTest::mouseClick(w->CLOSE_BUTTON, Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(w->PC_NAME_SSS_TEXTBOX, Qt::Key_Escape);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(w->PC_NAME_SSS_TEXTBOX, Qt::Key_Return);
        else
            w->close();
        QVERIFY(!w->isVisible());
        Lines expected;
        for (const QString& key : writes)
            expected.push_back(key.toStdString());
        QCOMPARE(backend->writes, expected);
        QCOMPARE(backend->values["SGUI_SIM_Left"], std::string("-450"));
        QCOMPARE(backend->values["SGUI_SIM_Top"], std::string("3000"));
        QVERIFY(backend->flushes > 0);
        QVERIFY(!backend->has("PC_NAME_SSS_TEXTBOX"));
    }

    void sguiAdvancedOpensTheConsoleOwnedByThisWindow()
    {
        store("SHUTDOWN_TIMEOUT_TEXTBOX", "77");
        open();
        QWidget* parent = nullptr;
        QString timeOut;
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_SGUI_ADVANCED"), [&](QWidget* console) {
            parent = console->parentWidget();
            timeOut = Child<QLineEdit>(console, "SHUTDOWN_TIMEOUT_TEXTBOX")->text();
            QTest::keyClick(console, Qt::Key_Escape);
        });
        QTest::mouseClick(w->SGUI_ADVANCED_BUTTON, Qt::LeftButton);
        QCOMPARE(ModalDriver::missed(), 0);
        QCOMPARE(parent, w.get());
        QCOMPARE(timeOut, QStringLiteral("77"));
        QVERIFY(w->isVisible());
        QVERIFY(backend->has("SGUI_ADV_Left"));
    }
};

QTEST_MAIN(SimpleWindowTest)
#include "SimpleWindowTest.moc"
