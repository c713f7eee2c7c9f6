// Every window load reads the store as it stands on disk, including what
// another running copy saved after this one started; and the copy's section
// is the name it was started under, a symbolic link's included.
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "settings/Placement.h"
#include "support/DiskStore.h"
#include "support/WindowOpener.h"
#include "ui/TickBox.h"

#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace voltrail;

namespace {

const QString kSection = QStringLiteral("ZT-VOLTRAIL-V1");

} // namespace

class FreshLoadTest : public QObject {
    Q_OBJECT
private:
    test::ConfigHome home;
    QTemporaryDir programs;

    // The probe started as `name` in its own folder: through a chain of
    // links (the first named `name`), or as a copy of that name.
    QString Install(const QStringList& links, bool copy)
    {
        const QString folder = programs.path() + QStringLiteral("/%1").arg(++installs_);
        QDir().mkpath(folder);
        QString target = QStringLiteral(VOLTRAIL_STORE_PROBE);
        if (copy) {
            const QString copied = folder + '/' + links.first();
            return QFile::copy(target, copied) ? copied : QString();
        }
        for (auto it = links.crbegin(); it != links.crend(); ++it) {
            const QString link = folder + '/' + *it;
            if (!QFile::link(target, link))
                return {};
            target = link;
        }
        return target;
    }

    // Runs the probe started under `program`; its standard output.
    static QString Run(const QString& program, const QStringList& arguments)
    {
        QProcess probe;
        probe.start(program, arguments);
        if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
            probe.exitCode() != 0)
            return QStringLiteral("probe failed: ") + QString::fromLocal8Bit(probe.readAllStandardError());
        return QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
    }

    // Another copy of the program, started under the section's own name, saves.
    void OtherCopySaves(const QString& key, const QString& value)
    {
        const QString program = Install({kSection}, false);
        QVERIFY(!program.isEmpty());
        QCOMPARE(Run(program, {QStringLiteral("save"), key, value}), QString());
    }

    // What a window shows for a key: a box's text or value, or its place in twips.
    static QString Shown(QWidget& window, const QString& key)
    {
        if (key.endsWith(QLatin1String("_Left")))
            return QString::number(window.pos().x() * kTwipsPerPixel);
        if (key.endsWith(QLatin1String("_Top")))
            return QString::number(window.pos().y() * kTwipsPerPixel);
        if (auto* box = window.findChild<TickBox*>(key))
            return QString::number(box->value());
        if (auto* box = window.findChild<QLineEdit*>(key))
            return box->text();
        return QStringLiteral("no control ") + key;
    }

    int installs_ = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        QVERIFY(programs.isValid());
    }

    void init() { QDir(home.folder()).removeRecursively(); }

    void sectionIsTheNameStartedUnder_data()
    {
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QString>("section");
        QTest::newRow("a symbolic link") << QStringList{"MY-BAR"} << false << "MY-BAR";
        QTest::newRow("a link with dots") << QStringList{"zt.voltrail.v2"} << false << "zt.voltrail.v2";
        QTest::newRow("a link to a link") << QStringList{"OUTER", "INNER"} << false << "OUTER";
        QTest::newRow("a renamed copy") << QStringList{"COPY OF BAR"} << true << "COPY OF BAR";
    }

    void sectionIsTheNameStartedUnder()
    {
        QFETCH(QStringList, links);
        QFETCH(bool, copy);
        QFETCH(QString, section);
        const QString program = Install(links, copy);
        QVERIFY(!program.isEmpty());
        QCOMPARE(Run(program, {QStringLiteral("section")}), section);
        // And the copy's values land in a file of that name.
        QCOMPARE(Run(program, {QStringLiteral("save"), QStringLiteral("MAIN_Left"), QStringLiteral("45")}),
                 QString());
        QVERIFY(QFile::exists(home.folder() + '/' + section + QStringLiteral(".conf")));
        QVERIFY(!QFile::exists(home.folder() + QStringLiteral("/voltrail_store_probe.conf")));
    }

    void aLoadSeesWhatAnotherCopySaved_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("shown");
        QTest::newRow("bar: a choice") << "bar"
                                       << "SHUTDOWN_TICKBOX"
                                       << "0"
                                       << "1"
                                       << "1";
        QTest::newRow("bar: always on top") << "bar"
                                            << "AlwaysOnTop_TICKBOX"
                                            << "1"
                                            << "0"
                                            << "0";
        QTest::newRow("settings: a choice") << "settings"
                                            << "RESTART_TICKBOX"
                                            << "0"
                                            << "1"
                                            << "1";
        QTest::newRow("settings: its place") << "settings"
                                             << "ABOUT_Top"
                                             << "1500"
                                             << "3000"
                                             << "3000";
        QTest::newRow("run option: its place") << "run option"
                                               << "RUN_OPTIONS_Left"
                                               << "1500"
                                               << "-600"
                                               << "-600";
        QTest::newRow("confirm: its place") << "confirm"
                                            << "ACTION_WINDOW_Top"
                                            << "1500"
                                            << "4500"
                                            << "4500";
        QTest::newRow("auto-timer: its place") << "auto-timer"
                                               << "AUTOTIMER_Left"
                                               << "1500"
                                               << "3000"
                                               << "3000";
        QTest::newRow("simple: the name") << "simple"
                                          << "PC_NAME_SSS_TEXTBOX"
                                          << "SRV01"
                                          << "SRV02"
                                          << "SRV02";
        QTest::newRow("simple: shared time-out") << "simple"
                                                 << "SHUTDOWN_TIMEOUT_TEXTBOX"
                                                 << "30"
                                                 << "120"
                                                 << "120";
        QTest::newRow("console: a row's name") << "console"
                                               << "PC_NAME_17_TEXTBOX"
                                               << ""
                                               << "SRV17"
                                               << "SRV17";
        QTest::newRow("console: a row's tick") << "console"
                                               << "FORCE_30_TICKBOX"
                                               << "0"
                                               << "1"
                                               << "1";
        // Garbage saved meanwhile reads as it stands: what does not convert is absent.
        QTest::newRow("simple: a tick saved as text") << "simple"
                                                      << "SHUTDOWN_SSS_TICKBOX"
                                                      << "1"
                                                      << "yes"
                                                      << "0";
        QTest::newRow("bar: a tick past 16 bits") << "bar"
                                                  << "AlwaysOnTop_TICKBOX"
                                                  << "0"
                                                  << "70000"
                                                  << "1";
        QTest::newRow("auto-timer: a place saved as text") << "auto-timer"
                                                           << "AUTOTIMER_Left"
                                                           << "3000"
                                                           << "left"
                                                           << "1000";
        QTest::newRow("console: a time-out saved as text") << "console"
                                                           << "SHUTDOWN_TIMEOUT_TEXTBOX"
                                                           << "30"
                                                           << "ten \"x\" \\\\SRV"
                                                           << "ten \"x\" \\\\SRV";
    }

    // This copy loads a window, another copy saves, this copy loads it again.
    void aLoadSeesWhatAnotherCopySaved()
    {
        QFETCH(QString, window);
        QFETCH(QString, key);
        QFETCH(QString, before);
        QFETCH(QString, saved);
        QFETCH(QString, shown);
        test::DiskProgram program(kSection.toStdString());
        program.store.SaveText(key.toStdString(), before.toStdString());
        program.store.Flush();
        ZT_VOLTRAIL_MAIN bar(program.services);
        {
            auto first = test::LoadWindow(window, program.services, bar);
            QVERIFY(first);
            QCOMPARE(Shown(*first, key), before);
        }

        OtherCopySaves(key, saved);
        QVERIFY(program.OnDisk().contains(key.toUtf8()));

        auto again = test::LoadWindow(window, program.services, bar);
        // A place is shown to the pixel.
        if (key.endsWith(QLatin1String("_Left")) || key.endsWith(QLatin1String("_Top")))
            shown = QString::number(TwipsToPixels(shown.toFloat()) * kTwipsPerPixel);
        QCOMPARE(Shown(*again, key), shown);
    }

    // A value this copy has not yet made durable survives the re-read, and
    // the other copy's value joins it on disk.
    void writesNotYetOnDiskSurviveTheReRead()
    {
        test::DiskProgram program(kSection.toStdString());
        program.store.SaveText("PC_NAME_SSS_TEXTBOX", "SRV01");
        program.store.Flush();
        program.store.SaveText("PC_NAME_SSS_TEXTBOX", "MINE");
        OtherCopySaves(QStringLiteral("SHUTDOWN_TIMEOUT_TEXTBOX"), QStringLiteral("120"));

        program.store.Refresh();
        QCOMPARE(program.store.LoadText("PC_NAME_SSS_TEXTBOX", ""), std::string("MINE"));
        QCOMPARE(program.store.LoadText("SHUTDOWN_TIMEOUT_TEXTBOX", "30"), std::string("120"));
        program.store.Flush();
        const QByteArray disk = program.OnDisk();
        QVERIFY2(disk.contains("PC_NAME_SSS_TEXTBOX=MINE") && disk.contains("SHUTDOWN_TIMEOUT_TEXTBOX=120"),
                 disk.constData());
    }
};

QTEST_MAIN(FreshLoadTest)
#include "FreshLoadTest.moc"
