#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/DiskStore.h"
#include "support/WindowActions.h"
#include "ui/TickBox.h"

#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

// The windows on the real store.
class StoredSettingsTest : public QObject {
    Q_OBJECT
private:
    ConfigHome home;

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void handlersLeaveTheirValuesOnDisk_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("save and close")
            << "save"
            << QStringList{"AlwaysOnTop_TICKBOX=1", "LOGOFF_TICKBOX=1", "SHUTDOWN_TICKBOX=0",
                           "ABOUT_Left=1500", "ABOUT_Top=3000"};
        QTest::newRow("confirm cancel") << "cancel" << QStringList{"ACTION_WINDOW_Left=1500"};
        QTest::newRow("main bar close box")
            << "bar" << QStringList{"MAIN_Left=1500", "AlwaysOnTop_TICKBOX=1"};
    }

    // Checked while the store is still open: nothing later may be what writes.
    void handlersLeaveTheirValuesOnDisk()
    {
        QFETCH(QString, handler);
        QFETCH(QStringList, lines);
        DiskProgram program(("durable-" + handler).toStdString());
        ZT_VOLTRAIL_MAIN bar(program.services);
        bar.Form_Load();
        if (handler == "bar") {
            bar.show();
            bar.move(100, 200);
            PressCloseBox(&bar);
        } else if (handler == "save") {
            ZT_VOLTRAIL_ABOUT about(program.services, bar);
            about.Load();
            about.show();
            about.move(100, 200);
            ClickTick(about.LOGOFF_TICKBOX);
            QTest::mouseClick(about.SAVE_AND_CLOSE_BUTTON, Qt::LeftButton);
        } else {
            ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW confirm(program.services, bar, &bar);
            confirm.Load();
            confirm.show();
            confirm.move(100, 200);
            QTest::mouseClick(confirm.CANCEL_BUTTON, Qt::LeftButton);
        }
        const QByteArray content = program.OnDisk();
        for (const QString& line : lines)
            QVERIFY2(content.contains(line.toUtf8()), content.constData());
    }

    void twoExecutableNamesKeepSeparateSettings()
    {
        {
            DiskProgram first("ZT-VOLTRAIL-V1");
            ZT_VOLTRAIL_MAIN bar(first.services);
            bar.Form_Load();
            ZT_VOLTRAIL_ABOUT about(first.services, bar);
            about.Load();
            about.show();
            ClickTick(about.RESTART_TICKBOX);
            QTest::mouseClick(about.SAVE_AND_CLOSE_BUTTON, Qt::LeftButton);
            bar.show();
            bar.move(10, 20);
            PressCloseBox(&bar);
        }
        const auto verifyLoads = [](const std::string& section, QPoint pos, int restart) {
            DiskProgram program(section);
            ZT_VOLTRAIL_MAIN bar(program.services);
            bar.Form_Load();
            QCOMPARE(bar.pos(), pos);
            QCOMPARE(bar.RESTART_TICKBOX->value(), std::int16_t(restart));
        };
        verifyLoads("ZT-VOLTRAIL-COPY", QPoint(67, 67), 0);
        verifyLoads("ZT-VOLTRAIL-V1", QPoint(10, 20), 1);
    }
};

QTEST_MAIN(StoredSettingsTest)
#include "StoredSettingsTest.moc"
