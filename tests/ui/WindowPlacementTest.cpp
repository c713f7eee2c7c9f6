#include "ui/WindowPlacement.h"
#include "support/MemorySettingsBackend.h"

#include <QWidget>
#include <QtTest>

using namespace voltrail;

class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void positionsComeBack_data()
    {
        QTest::addColumn<QString>("storedLeft");
        QTest::addColumn<QString>("storedTop");
        QTest::addColumn<QPoint>("moveTo"); // (-1,-1): not moved
        QTest::addColumn<QString>("savedLeft");
        QTest::addColumn<QString>("savedTop");
        const QPoint unmoved(-1, -1);
        QTest::newRow("defaults kept exactly") << ""
                                               << "" << unmoved << "1000"
                                               << "1000";
        QTest::newRow("odd twips kept when unmoved") << "1007"
                                                     << "-22" << unmoved << "1007"
                                                     << "-22";
        QTest::newRow("moved: whole pixels") << ""
                                             << "" << QPoint(200, 10) << "3000"
                                             << "150";
        QTest::newRow("moved off the left and top") << ""
                                                    << "" << QPoint(-40, -5) << "-600"
                                                    << "-75";
        QTest::newRow("far away applied as stored") << "900000"
                                                    << "-900000" << unmoved << "900000"
                                                    << "-900000";
    }

    void positionsComeBack()
    {
        QFETCH(QString, storedLeft);
        QFETCH(QString, storedTop);
        QFETCH(QPoint, moveTo);
        QFETCH(QString, savedLeft);
        QFETCH(QString, savedTop);
        test::MemorySettingsBackend backend;
        if (!storedLeft.isEmpty()) {
            backend.values["W_Left"] = storedLeft.toStdString();
            backend.values["W_Top"] = storedTop.toStdString();
        }
        SettingsStore store(backend);
        QWidget window;
        RestorePlacement(window, store, "W", {1000, 1000, 3000, 1500});
        window.show();
        if (moveTo != QPoint(-1, -1))
            window.move(moveTo);
        SavePlacement(window, store, "W");
        QCOMPARE(QString::fromStdString(backend.values["W_Left"]), savedLeft);
        QCOMPARE(QString::fromStdString(backend.values["W_Top"]), savedTop);
        QVERIFY(!backend.has("W_Width"));
        QVERIFY(!backend.has("W_Height"));
    }

    void outerSizeIsFixedAndComesFromTheStore()
    {
        test::MemorySettingsBackend backend;
        backend.values["W_Width"] = "6000";
        SettingsStore store(backend);
        QWidget window;
        RestorePlacement(window, store, "W", {1000, 1000, 3000, 1500});
        window.show();
        QCOMPARE(window.frameGeometry().size(), QSize(400, 100));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        window.resize(900, 900);
        QCOMPARE(window.frameGeometry().size(), QSize(400, 100));
    }
};

int RunWindowPlacementTest(int argc, char** argv)
{
    WindowPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowPlacementTest.moc"
