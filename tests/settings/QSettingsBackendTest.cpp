#include "settings/QSettingsBackend.h"
#include "settings/SettingsStore.h"
#include "support/DiskStore.h"

#include <QtTest>

using namespace voltrail;

// The real store, in a private config directory, read back from its file.
class QSettingsBackendTest : public QObject {
    Q_OBJECT
private:
    test::ConfigHome home;

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

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
        QCOMPARE(QString::fromStdString(SettingsStore(again).LoadText("PC_NAME_1_TEXTBOX", "default")), text);
    }

    void storeLivesWhereTheSystemKeepsIt()
    {
        QSettingsBackend backend("ZT-VOLTRAIL-V1");
        SettingsStore store(backend);
        store.SaveNumber("MAIN_Left", -120.f);
        store.SaveTick("AlwaysOnTop_TICKBOX", 0);
        store.Flush();
        QCOMPARE(backend.location(),
                 test::NativeStoreLocation(home.path(), QStringLiteral("ZT-VOLTRAIL-V1")));
        const QByteArray content = test::NativeStoreContent(backend.location());
        QVERIFY(content.contains("MAIN_Left=-120"));
        QVERIFY(content.contains("AlwaysOnTop_TICKBOX=0"));
    }
};

QTEST_GUILESS_MAIN(QSettingsBackendTest)
#include "QSettingsBackendTest.moc"
