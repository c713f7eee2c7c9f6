#include "settings/QSettingsBackend.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace voltrail;

// The real store, in a private config directory, read back from its file.
class QSettingsBackendTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    }

    void textsComeBackUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes") << QStringLiteral("\"quoted\" 'single'");
        QTest::newRow("comma") << QStringLiteral("a, b,c");
        QTest::newRow("semicolon") << QStringLiteral("a;b ; c");
        QTest::newRow("equals hash percent") << QStringLiteral("k=v #x %PATH% %1");
        QTest::newRow("backslashes") << QStringLiteral("\\\\SRV\\share\\");
        QTest::newRow("blanks") << QStringLiteral("  padded  ");
        QTest::newRow("non-ascii") << QStringLiteral("Zürich-Ærø-日本");
        QTest::newRow("at sign") << QStringLiteral("@Variant(x)");
        QTest::newRow("empty") << QString();
        QTest::newRow("brackets") << QStringLiteral("[General]\nkey=1");
        QTest::newRow("long") << QString(2000, QLatin1Char('x')) + QStringLiteral(",;=#%\\\"");
    }

    void textsComeBackUnchanged()
    {
        QFETCH(QString, text);
        {
            QSettingsBackend backend("roundtrip");
            SettingsStore store(backend);
            store.SaveText("PC_NAME_1_TEXTBOX", text.toStdString());
            store.Flush();
        }
        QSettingsBackend again("roundtrip");
        SettingsStore store(again);
        QCOMPARE(QString::fromStdString(store.LoadText("PC_NAME_1_TEXTBOX", "default")), text);
    }

    void fileLivesUnderTheConfigDirectory()
    {
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        store.SaveNumber("MAIN_Left", -120.f);
        store.SaveTick("AlwaysOnTop_TICKBOX", 0);
        store.Flush();
        const QString file = dir.path() + QStringLiteral("/ZT_VOLTRAIL/ZT-VOLTRAIL-V1.conf");
        QCOMPARE(backend.location(), file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray content = f.readAll();
        QVERIFY(content.contains("MAIN_Left=-120"));
        QVERIFY(content.contains("AlwaysOnTop_TICKBOX=0"));
    }

    void sectionsAreSeparate()
    {
        {
            QSettingsBackend a("first-name");
            a.Write("MAIN_Left", "1");
            a.Flush();
        }
        QSettingsBackend b("second-name");
        QVERIFY(!b.Read("MAIN_Left").has_value());
        QSettingsBackend a("first-name");
        QCOMPARE(QString::fromStdString(a.Read("MAIN_Left").value_or("")), QStringLiteral("1"));
    }

    void handEditedGarbageReadsAsDefault()
    {
        const QString folder = dir.path() + QStringLiteral("/ZT_VOLTRAIL");
        QDir().mkpath(folder);
        QFile f(folder + QStringLiteral("/garbage.conf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[General]\nMAIN_Left=far away\nSHUTDOWN_TICKBOX=70000\nPC_NAME_1_TEXTBOX=a, b\n"
                "\x01\x02 not an ini line\n");
        f.close();
        QSettingsBackend backend("garbage");
        SettingsStore store(backend);
        QCOMPARE(store.LoadNumber("MAIN_Left", 1000), 1000.f);
        QCOMPARE(store.LoadTick("SHUTDOWN_TICKBOX", 0), std::int16_t{0});
        QCOMPARE(QString::fromStdString(store.LoadText("PC_NAME_1_TEXTBOX", "")), QStringLiteral("a, b"));
    }

    void unwritableDirectoryIsReportedAndTheStoreGoesOn()
    {
        if (geteuid() == 0)
            QSKIP("root writes through any permission");
        QTemporaryDir locked;
        qputenv("XDG_CONFIG_HOME", locked.path().toUtf8());
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        QSettingsBackend backend("locked");
        SettingsStore store(backend);
        store.SaveText("PC_NAME_SSS_TEXTBOX", "SRV01");
        store.Flush();
        store.Flush();
        QCOMPARE(QString::fromStdString(store.LoadText("PC_NAME_SSS_TEXTBOX", "")), QStringLiteral("SRV01"));
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    }
};

QTEST_GUILESS_MAIN(QSettingsBackendTest)
#include "QSettingsBackendTest.moc"
