#include "ui/WindowPlacement.h"
#include "support/MemorySettingsBackend.h"

#include <QWidget>
#include <QtTest>

using namespace voltrail;

// The twip arithmetic of placement; what each window stores and when is
// tested through the windows themselves.
class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void positionsComeBack_data()
    {
        QTest::addColumn<QString>("stored"); // Left,Top or empty
        QTest::addColumn<QPoint>("moveTo");  // (-1,-1): not moved
        QTest::addColumn<QString>("saved");
        const QPoint unmoved(-1, -1);
        QTest::newRow("defaults kept exactly") << "" << unmoved << "1000,1000";
        QTest::newRow("odd twips kept when unmoved") << "1007,-22" << unmoved << "1007,-22";
        QTest::newRow("moved: whole pixels") << "" << QPoint(200, 10) << "3000,150";
        QTest::newRow("far away applied as stored") << "900000,-900000" << unmoved << "900000,-900000";
    }

    void positionsComeBack()
    {
        QFETCH(QString, stored);
        QFETCH(QPoint, moveTo);
        QFETCH(QString, saved);
        test::MemorySettingsBackend backend;
        if (!stored.isEmpty()) {
            backend.values["W_Left"] = stored.section(',', 0, 0).toStdString();
            backend.values["W_Top"] = stored.section(',', 1).toStdString();
        }
        SettingsStore store(backend);
        QWidget window;
        RestorePlacement(window, store, "W", {1000, 1000, 3000, 1500});
        window.show();
        if (moveTo != QPoint(-1, -1))
            window.move(moveTo);
        SavePlacement(window, store, "W");
        QCOMPARE(QString::fromStdString(backend.values["W_Left"] + "," + backend.values["W_Top"]), saved);
    }

    void outerSizeIsFixed()
    {
        test::MemorySettingsBackend backend;
        SettingsStore store(backend);
        QWidget window;
        RestorePlacement(window, store, "W", {1000, 1000, 6000, 1500});
        window.show();
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
