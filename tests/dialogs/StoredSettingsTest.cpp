#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "settings/QSettingsBackend.h"
#include "support/FakeWindowStacking.h"
#include "support/RecordingLauncher.h"
#include "support/WindowActions.h"
#include "ui/TickBox.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

// The real store under one section name, as a program of that file name has it.
struct Program {
    explicit Program(const std::string& section) : backend(section) {}
    QSettingsBackend backend;
    SettingsStore store{backend};
    RecordingLauncher launcher;
    FakeWindowStacking stacking;
    Services services{store, launcher, stacking};

    QByteArray onDisk() const
    {
        QFile file(backend.location());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

class StoredSettingsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    }

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
        Program program(("durable-" + handler).toStdString());
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
        const QByteArray content = program.onDisk();
        for (const QString& line : lines)
            QVERIFY2(content.contains(line.toUtf8()), content.constData());
    }

    void twoExecutableNamesKeepSeparateSettings()
    {
        {
            Program first("ZT-VOLTRAIL-V1");
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
        {
            Program copy("ZT-VOLTRAIL-COPY");
            ZT_VOLTRAIL_MAIN bar(copy.services);
            bar.Form_Load();
            QCOMPARE(bar.pos(), QPoint(67, 67));
            QCOMPARE(bar.RESTART_TICKBOX->value(), std::int16_t{0});
        }
        Program again("ZT-VOLTRAIL-V1");
        ZT_VOLTRAIL_MAIN bar(again.services);
        bar.Form_Load();
        QCOMPARE(bar.pos(), QPoint(10, 20));
        QCOMPARE(bar.RESTART_TICKBOX->value(), std::int16_t{1});
    }
};

QTEST_MAIN(StoredSettingsTest)
#include "StoredSettingsTest.moc"
