#include "settings/QSettingsBackend.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace voltrail;

// The real store when the disk is against us. Works as root too: a file where
// the store's folder should be blocks writing whatever the permissions.
class StoreFaultTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir home;

    QString folder() const { return home.path() + QStringLiteral("/ZT_VOLTRAIL"); }

private slots:
    void init()
    {
        QDir(folder()).removeRecursively();
        QFile::remove(folder());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }

    void anUnwritableStoreKeepsWorkingInMemory()
    {
        QFile blocker(folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        store.SaveText("PC_NAME_SSS_TEXTBOX", "SRV01");
        store.SaveNumber("MAIN_Left", 30.f);
        store.Flush();
        store.Flush(); // reported once, never thrown
        QCOMPARE(QString::fromStdString(store.LoadText("PC_NAME_SSS_TEXTBOX", "")), QStringLiteral("SRV01"));
        QCOMPARE(store.LoadNumber("MAIN_Left", 1000), 30.f);
    }

    void aStoreDeletedWhileRunningIsWrittenAgain()
    {
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        store.SaveText("SHUTDOWN_TIMEOUT_TEXTBOX", "120");
        store.Flush();
        QVERIFY(QDir(folder()).removeRecursively());
        store.SaveTick("FORCE_SSS_TICKBOX", 1);
        store.Flush();
        QSettings file(backend.location(), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("FORCE_SSS_TICKBOX")).toString(), QStringLiteral("1"));
    }

    void twoCopiesOfOneSectionKeepBothWrites()
    {
        QSettingsBackend first("ZT-VOLTRAIL-V1");
        QSettingsBackend second("ZT-VOLTRAIL-V1");
        first.Write("MAIN_Left", "15");
        first.Flush();
        second.Write("ABOUT_Left", "30");
        second.Flush();
        first.Write("MAIN_Top", "45");
        first.Flush();
        QSettings file(first.location(), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("MAIN_Left")).toString(), QStringLiteral("15"));
        QCOMPARE(file.value(QStringLiteral("ABOUT_Left")).toString(), QStringLiteral("30"));
        QCOMPARE(file.value(QStringLiteral("MAIN_Top")).toString(), QStringLiteral("45"));
    }

    void garbageOfEveryKindReadsAsTheDefault_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("text") << QByteArray("MAIN_Left=left");
        QTest::newRow("empty") << QByteArray("MAIN_Left=");
        QTest::newRow("nan") << QByteArray("MAIN_Left=nan");
        QTest::newRow("infinite") << QByteArray("MAIN_Left=1e400");
        QTest::newRow("list") << QByteArray("MAIN_Left=1, 2");
        QTest::newRow("variant") << QByteArray("MAIN_Left=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6)");
        QTest::newRow("binary") << QByteArray("MAIN_Left=\x01\x02\xff\xfe");
        QTest::newRow("no value line") << QByteArray("MAIN_Left");
    }

    void garbageOfEveryKindReadsAsTheDefault()
    {
        QFETCH(QByteArray, line);
        QDir().mkpath(folder());
        QFile f(folder() + QStringLiteral("/ZT-VOLTRAIL-V1.conf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[General]\n" + line + "\nSHUTDOWN_TICKBOX=" + line.mid(10) + "\n");
        f.close();
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        QCOMPARE(store.LoadNumber("MAIN_Left", 1000), 1000.f);
        QCOMPARE(store.LoadTick("SHUTDOWN_TICKBOX", 0), std::int16_t{0});
        // Writing over garbage repairs it.
        store.SaveNumber("MAIN_Left", 15.f);
        store.Flush();
        QSettingsBackend again("ZT-VOLTRAIL-V1");
        QCOMPARE(SettingsStore(again).LoadNumber("MAIN_Left", 1000), 15.f);
    }
};

QTEST_GUILESS_MAIN(StoreFaultTest)
#include "StoreFaultTest.moc"
