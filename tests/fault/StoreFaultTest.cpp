#include "settings/QSettingsBackend.h"
#include "settings/SettingsStore.h"
#include "support/DiskStore.h"
#include "support/StderrCapture.h"

#include <QSettings>
#include <QtTest>

using namespace voltrail;

// The real store when the disk is against us. Works as root too: a file where
// the store's folder should be blocks writing whatever the permissions.
class StoreFaultTest : public QObject {
    Q_OBJECT
private:
    test::ConfigHome home;

    QString fileValue(const QSettingsBackend& backend, const char* key) const
    {
        return QSettings(backend.location(), QSettings::IniFormat).value(QLatin1String(key)).toString();
    }

private slots:
    void init()
    {
        QVERIFY(home.isValid());
        QDir(home.folder()).removeRecursively();
        QFile::remove(home.folder());
    }

    void anUnwritableStoreKeepsWorkingInMemory()
    {
        QFile blocker(home.folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        // Started under a link whose name holds controls: the report shows them inert.
        QSettingsBackend backend("ZT-VOLTRAIL-V1\x1b[2J");
        SettingsStore store(backend);
        store.SaveText("PC_NAME_SSS_TEXTBOX", "SRV01");
        store.SaveNumber("MAIN_Left", 30.f);
        test::StderrCapture captured;
        store.Flush();
        store.Flush(); // reported once, never thrown
        const QStringList lines = captured.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(QStringLiteral("ZT-VOLTRAIL-V1\\x1B[2J.conf: it cannot be written")),
                 qPrintable(lines[0]));
        QCOMPARE(QString::fromStdString(store.LoadText("PC_NAME_SSS_TEXTBOX", "")), QStringLiteral("SRV01"));
        QCOMPARE(store.LoadNumber("MAIN_Left", 1000), 30.f);
    }

    void aStoreDeletedWhileRunningIsWrittenAgain()
    {
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        store.SaveText("SHUTDOWN_TIMEOUT_TEXTBOX", "120");
        store.Flush();
        QVERIFY(QDir(home.folder()).removeRecursively());
        store.SaveTick("FORCE_SSS_TICKBOX", 1);
        store.Flush();
        QCOMPARE(fileValue(backend, "FORCE_SSS_TICKBOX"), QStringLiteral("1"));
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
        QCOMPARE(fileValue(first, "MAIN_Left"), QStringLiteral("15"));
        QCOMPARE(fileValue(first, "ABOUT_Left"), QStringLiteral("30"));
        QCOMPARE(fileValue(first, "MAIN_Top"), QStringLiteral("45"));
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

    // A hand-edited text with a comma next to the garbage still reads whole.
    void garbageOfEveryKindReadsAsTheDefault()
    {
        QFETCH(QByteArray, line);
        QVERIFY(home.WriteFile("ZT-VOLTRAIL-V1", "[General]\n" + line + "\nSHUTDOWN_TICKBOX=" + line.mid(10) +
                                                     "\nPC_NAME_1_TEXTBOX=a, b\n\x01\x02 not an ini line\n"));
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        QCOMPARE(store.LoadNumber("MAIN_Left", 1000), 1000.f);
        QCOMPARE(store.LoadTick("SHUTDOWN_TICKBOX", 0), std::int16_t{0});
        QCOMPARE(QString::fromStdString(store.LoadText("PC_NAME_1_TEXTBOX", "")), QStringLiteral("a, b"));
        // Writing over garbage repairs it.
        store.SaveNumber("MAIN_Left", 15.f);
        store.Flush();
        QSettingsBackend again("ZT-VOLTRAIL-V1");
        QCOMPARE(SettingsStore(again).LoadNumber("MAIN_Left", 1000), 15.f);
    }
    void anEditBetweenTwoLoadsIsReadAsItStands_data()
    {
        QTest::addColumn<QByteArray>("edited");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("read");
        QTest::newRow("number now") << QByteArray("MAIN_Left=-45") << "MAIN_Left"
                                    << "number"
                                    << "-45";
        QTest::newRow("number as text") << QByteArray("MAIN_Left=left") << "MAIN_Left"
                                        << "number"
                                        << "1000";
        QTest::newRow("number nan") << QByteArray("MAIN_Left=nan") << "MAIN_Left"
                                    << "number"
                                    << "1000";
        QTest::newRow("tick now") << QByteArray("AlwaysOnTop_TICKBOX=0") << "AlwaysOnTop_TICKBOX"
                                  << "tick"
                                  << "0";
        QTest::newRow("tick past 16 bits") << QByteArray("AlwaysOnTop_TICKBOX=70000") << "AlwaysOnTop_TICKBOX"
                                           << "tick"
                                           << "1";
        QTest::newRow("tick as text") << QByteArray("AlwaysOnTop_TICKBOX=yes") << "AlwaysOnTop_TICKBOX"
                                      << "tick"
                                      << "1";
        QTest::newRow("text verbatim") << QByteArray("PC_NAME_1_TEXTBOX=a, b") << "PC_NAME_1_TEXTBOX"
                                       << "text"
                                       << "a, b";
        QTest::newRow("junk lines around a good one")
            << QByteArray("\x01\x02 junk\nno equals here\nMAIN_Top=30\n\xff\xfe") << "MAIN_Top"
            << "number"
            << "30";
        QTest::newRow("key moved to another group") << QByteArray("[Other]\nMAIN_Top=30") << "MAIN_Top"
                                                    << "number"
                                                    << "1000";
        QTest::newRow("file emptied") << QByteArray() << "PC_NAME_1_TEXTBOX"
                                      << "text"
                                      << "default";
    }

    // One running copy reads its store, another copy (or an editor) rewrites
    // the file, and the first copy's next window load reads what is there now.
    void anEditBetweenTwoLoadsIsReadAsItStands()
    {
        QFETCH(QByteArray, edited);
        QFETCH(QString, key);
        QFETCH(QString, kind);
        QFETCH(QString, read);
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        for (const char* k : {"MAIN_Left", "MAIN_Top", "AlwaysOnTop_TICKBOX"})
            store.SaveText(k, "15");
        store.SaveText("PC_NAME_1_TEXTBOX", "before");
        store.Flush();
        QCOMPARE(QString::fromStdString(store.LoadText(key.toStdString(), "default")),
                 QLatin1String(key == "PC_NAME_1_TEXTBOX" ? "before" : "15"));

        QVERIFY(home.WriteFile("ZT-VOLTRAIL-V1", edited.isEmpty() ? edited : "[General]\n" + edited + "\n"));
        // The store tells an edit by the file's size and time: give the edit a
        // time of its own, however quickly it followed.
        QFile file(backend.location());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        file.close();

        store.Refresh();
        const std::string k = key.toStdString();
        QString now;
        if (kind == "number")
            now = QString::number(store.LoadNumber(k, 1000));
        else if (kind == "tick")
            now = QString::number(store.LoadTick(k, 1));
        else
            now = QString::fromStdString(store.LoadText(k, "default"));
        QCOMPARE(now, read);
    }
};

QTEST_GUILESS_MAIN(StoreFaultTest)
#include "StoreFaultTest.moc"
