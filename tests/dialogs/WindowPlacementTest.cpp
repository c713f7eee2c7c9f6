#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "support/BarTestBase.h"
#include "support/WindowActions.h"

#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

// Every window restores Left, Top, Width and Height and stores only Left and Top.
class WindowPlacementTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<QWidget> open(const QString& prefix)
    {
        std::unique_ptr<Form> form;
        if (prefix == "MAIN") {
            auto main = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
            main->Form_Load();
            main->show();
            return main;
        }
        if (prefix == "ABOUT")
            form = std::make_unique<ZT_VOLTRAIL_ABOUT>(*services, *bar);
        else if (prefix == "RUN_OPTIONS")
            form = std::make_unique<ZT_VOLTRAIL_RUN_OPTION_WINDOW>(*services, *bar);
        else
            form = std::make_unique<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>(*services, *bar, bar.get());
        form->Load();
        form->show();
        return form;
    }

    // Opens, checks where the window came up, moves it, closes it by its close box.
    void cycle(const QString& prefix, QPoint expectedPos, QSize expectedSize, QPoint moveTo)
    {
        auto window = open(prefix);
        QCOMPARE(window->pos(), expectedPos);
        QCOMPARE(window->frameGeometry().size(), expectedSize);
        window->move(moveTo);
        backend->writes.clear();
        PressCloseBox(window.get());
        QVERIFY(!window->isVisible());
    }

    std::string stored(const QString& prefix, const char* suffix)
    {
        return backend->values[(prefix + suffix).toStdString()];
    }

private slots:
    void init()
    {
        ResetFixture();
        OpenBar();
    }
    void cleanup() { bar.reset(); }

    void positionRoundTripsAndSizeIsNeverStored_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QSize>("defaultSize");
        QTest::addColumn<QStringList>("alsoWritten");
        // Sizes in pixels: twips / 15, rounded.
        QTest::newRow("main bar") << "MAIN" << QSize(167, 52) << QStringList{"AlwaysOnTop_TICKBOX"};
        QTest::newRow("settings") << "ABOUT" << QSize(448, 239) << QStringList{};
        QTest::newRow("run option") << "RUN_OPTIONS" << QSize(303, 122) << QStringList{};
        QTest::newRow("confirm") << "ACTION_WINDOW" << QSize(344, 214) << QStringList{};
    }

    void positionRoundTripsAndSizeIsNeverStored()
    {
        QFETCH(QString, prefix);
        QFETCH(QSize, defaultSize);
        QFETCH(QStringList, alsoWritten);

        cycle(prefix, QPoint(67, 67), defaultSize, QPoint(-40, -25));
        QCOMPARE(Written(), QStringList({prefix + "_Left", prefix + "_Top"}) + alsoWritten);
        QCOMPARE(stored(prefix, "_Left"), std::string("-600"));
        QCOMPARE(stored(prefix, "_Top"), std::string("-375"));

        // A size put there from outside applies at every load and is left alone.
        backend->values[(prefix + "_Width").toStdString()] = "6000";
        backend->values[(prefix + "_Height").toStdString()] = "1500";
        cycle(prefix, QPoint(-40, -25), QSize(400, 100), QPoint(300, 200));
        cycle(prefix, QPoint(300, 200), QSize(400, 100), QPoint(300, 200));
        QVERIFY(!Written().contains(prefix + "_Width"));
        QVERIFY(!Written().contains(prefix + "_Height"));
        QCOMPARE(stored(prefix, "_Width"), std::string("6000"));
        QCOMPARE(stored(prefix, "_Left"), std::string("4500"));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
