// Screen readers and GUI automation tick boxes through the accessible toggle
// action and press buttons through the press action. On the real windows
// that must be a click in every respect: the group rule and the bar's live
// mirror in the settings window, the Shutdown/Restart exclusion and Save in
// the simple window, Enable Batch Run in the console.
#include "support/BarTestBase.h"
#include "support/EveryWindow.h"
#include "support/WindowActions.h"
#include "support/WindowTestHelpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

QString Values(const QList<TickBox*>& boxes)
{
    QString out;
    for (TickBox* box : boxes)
        out += QString::number(box->value());
    return out;
}

QString Enabled(const QList<TickBox*>& boxes)
{
    QString out;
    for (TickBox* box : boxes)
        out += box->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
    return out;
}

// How many times the boxes' handlers run while the spies live.
class HandlerRuns {
public:
    explicit HandlerRuns(const QList<TickBox*>& boxes)
    {
        for (TickBox* box : boxes)
            spies_.push_back(std::make_unique<QSignalSpy>(box, &TickBox::valueChanged));
    }
    int count() const
    {
        int n = 0;
        for (const auto& spy : spies_)
            n += int(spy->size());
        return n;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

} // namespace

class AccessibleToggleTest : public BarTestBase {
    Q_OBJECT
private slots:
    void init()
    {
        ResetFixture();
        OpenBar();
    }
    void cleanup() { bar.reset(); }

    void settingsWindowGroupAndMirror_data()
    {
        QTest::addColumn<QStringList>("toggles");
        QTest::addColumn<QString>("group");   // the window's five choices
        QTest::addColumn<QString>("enabled"); // E for each that can be ticked
        QTest::addColumn<QString>("onBar");   // the bar's five choices and Always On Top
        QTest::addColumn<bool>("keeper");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("stored"); // Always On Top, then the five choices
        QTest::newRow("tick Hibernate") << QStringList{"HIBERNATE_TICKBOX"} << "00100"
                                        << "--E--"
                                        << "001001" << true << 1 << "100100";
        QTest::newRow("tick and clear Always Ask")
            << QStringList{"ALWAYS_ASK_TICKBOX", "ALWAYS_ASK_TICKBOX"} << "00000"
            << "EEEEE"
            << "000001" << true << 2 << "100000";
        QTest::newRow("a disabled choice refuses")
            << QStringList{"HIBERNATE_TICKBOX", "SHUTDOWN_TICKBOX"} << "00100"
            << "--E--"
            << "001001" << true << 1 << "100100";
        QTest::newRow("clear, then tick another")
            << QStringList{"HIBERNATE_TICKBOX", "HIBERNATE_TICKBOX", "LOGOFF_TICKBOX"} << "00010"
            << "---E-"
            << "000101" << true << 3 << "100010";
        QTest::newRow("Always On Top off") << QStringList{"AlwaysOnTop_TICKBOX"} << "00000"
                                           << "EEEEE"
                                           << "000000" << false << 1 << "000000";
    }

    void settingsWindowGroupAndMirror()
    {
        QFETCH(QStringList, toggles);
        QFETCH(QString, group);
        QFETCH(QString, enabled);
        QFETCH(QString, onBar);
        QFETCH(bool, keeper);
        QFETCH(int, runs);
        QFETCH(QString, stored);
        ZT_VOLTRAIL_ABOUT about(*services, *bar);
        about.Load();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto members = about.RunNowGroup();
        const QList<TickBox*> choices(members.begin(), members.end());
        const QList<TickBox*> barBoxes{bar->SHUTDOWN_TICKBOX,   bar->RESTART_TICKBOX,
                                       bar->HIBERNATE_TICKBOX,  bar->LOGOFF_TICKBOX,
                                       bar->ALWAYS_ASK_TICKBOX, bar->AlwaysOnTop_TICKBOX};
        const HandlerRuns handlers(choices + QList<TickBox*>{about.AlwaysOnTop_TICKBOX});
        for (const QString& name : toggles)
            AccessibleToggle(Child<TickBox>(&about, name.toLatin1().constData()));
        QCOMPARE(Values(choices), group);
        QCOMPARE(Enabled(choices), enabled);
        QCOMPARE(Values(barBoxes), onBar);
        QCOMPARE(bar->AlwaysOnTopTimer->isActive(), keeper);
        QCOMPARE(handlers.count(), runs);

        AccessiblePress(about.SAVE_AND_CLOSE_BUTTON);
        QVERIFY(!about.isVisible());
        QString saved;
        for (const char* key : {"AlwaysOnTop_TICKBOX", "SHUTDOWN_TICKBOX", "RESTART_TICKBOX",
                                "HIBERNATE_TICKBOX", "LOGOFF_TICKBOX", "ALWAYS_ASK_TICKBOX"})
            saved += QString::fromStdString(backend->values[key]);
        QCOMPARE(saved, stored);
    }

    void simpleWindowExclusionAndSave_data()
    {
        QTest::addColumn<QString>("storedTicks"); // Shutdown, Restart
        QTest::addColumn<QStringList>("toggles");
        QTest::addColumn<QString>("ticks"); // Shutdown, Restart, Force, then E for each enabled
        QTest::addColumn<QStringList>("lines");
        const QString s = QStringLiteral("shutdown /s /m \\\\SRV01 /t 30");
        const QString g = QStringLiteral("shutdown /g /m \\\\SRV01 /t 30");
        QTest::newRow("Shutdown locks Restart")
            << "00" << QStringList{"SHUTDOWN_SSS_TICKBOX", "RESTART_SSS_TICKBOX"} << "100E-E"
            << QStringList{s};
        QTest::newRow("Restart locks Shutdown, Force combines")
            << "00" << QStringList{"RESTART_SSS_TICKBOX", "SHUTDOWN_SSS_TICKBOX", "FORCE_SSS_TICKBOX"}
            << "011-EE" << QStringList{"shutdown /g /f /m \\\\SRV01 /t 30"};
        QTest::newRow("ticked and cleared")
            << "00" << QStringList{"SHUTDOWN_SSS_TICKBOX", "SHUTDOWN_SSS_TICKBOX"} << "000EEE"
            << QStringList{};
        QTest::newRow("stored both, Shutdown cleared")
            << "11" << QStringList{"SHUTDOWN_SSS_TICKBOX"} << "010-EE" << QStringList{g};
    }

    void simpleWindowExclusionAndSave()
    {
        QFETCH(QString, storedTicks);
        QFETCH(QStringList, toggles);
        QFETCH(QString, ticks);
        QFETCH(QStringList, lines);
        backend->values["SHUTDOWN_SSS_TICKBOX"] = storedTicks.left(1).toStdString();
        backend->values["RESTART_SSS_TICKBOX"] = storedTicks.mid(1, 1).toStdString();
        ZT_VOLTRAIL_SGUI_SIMPLE w(*services, bar.get());
        w.Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Type(w.PC_NAME_SSS_TEXTBOX, QStringLiteral("SRV01"));
        const QList<TickBox*> boxes{w.SHUTDOWN_SSS_TICKBOX, w.RESTART_SSS_TICKBOX, w.FORCE_SSS_TICKBOX};
        for (const QString& name : toggles)
            AccessibleToggle(Child<TickBox>(&w, name.toLatin1().constData()));
        QCOMPARE(Values(boxes) + Enabled(boxes), ticks);

        AccessiblePress(w.SAVE_BUTTON);
        QCOMPARE(QString::fromStdString(backend->values["SHUTDOWN_SSS_TICKBOX"] +
                                        backend->values["RESTART_SSS_TICKBOX"] +
                                        backend->values["FORCE_SSS_TICKBOX"]),
                 ticks.left(3));
        AccessiblePress(w.RUN_SSS_BUTTON);
        QCOMPARE(Launched(*launcher), lines);
    }

    void consoleEnableBatchRun_data()
    {
        QTest::addColumn<QStringList>("toggles");
        QTest::addColumn<bool>("batchEnabled");
        QTest::addColumn<QStringList>("lines"); // BATCH RUN pressed afterwards
        QTest::newRow("ticked") << QStringList{"ENABLE_BATCH_RUN_TICKBOX"} << true << QStringList{};
        QTest::newRow("ticked and cleared")
            << QStringList{"ENABLE_BATCH_RUN_TICKBOX", "ENABLE_BATCH_RUN_TICKBOX"} << false << QStringList{};
        QTest::newRow("rows ticked the same way")
            << QStringList{"BATCH_RUN_2_TICKBOX", "SHUTDOWN_2_TICKBOX", "FORCE_2_TICKBOX",
                           "ENABLE_BATCH_RUN_TICKBOX"}
            << true << QStringList{"shutdown /s /f /m \\\\PC2 /t 30"};
    }

    void consoleEnableBatchRun()
    {
        QFETCH(QStringList, toggles);
        QFETCH(bool, batchEnabled);
        QFETCH(QStringList, lines);
        ZT_VOLTRAIL_SGUI_ADVANCED w(*services, bar.get());
        w.Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Type(w.ROW(2).PC_NAME_TEXTBOX, QStringLiteral("PC2"));
        // Wrapped on screen, the caption is still read whole.
        QCOMPARE(QAccessible::queryAccessibleInterface(w.ENABLE_BATCH_RUN_TICKBOX)->text(QAccessible::Name),
                 QStringLiteral("Enable Batch Run"));
        for (const QString& name : toggles)
            AccessibleToggle(Child<TickBox>(&w, name.toLatin1().constData()));
        QCOMPARE(w.BATCH_RUN_BUTTON->isEnabled(), batchEnabled);
        AccessiblePress(w.BATCH_RUN_BUTTON);
        QCOMPARE(Launched(*launcher), lines);
        AccessiblePress(w.SAVE_BUTTON);
        QCOMPARE(backend->values["BATCH_RUN_2_TICKBOX"], std::string(lines.isEmpty() ? "0" : "1"));
        QCOMPARE(backend->values["FORCE_2_TICKBOX"], std::string(lines.isEmpty() ? "0" : "1"));
    }
};

QTEST_MAIN(AccessibleToggleTest)
#include "AccessibleToggleTest.moc"
