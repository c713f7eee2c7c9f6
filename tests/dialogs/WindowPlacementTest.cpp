#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowActions.h"
#include "support/WindowTestBase.h"

#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

// Every window restores Left, Top, Width and Height and stores only Left and Top.
class WindowPlacementTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

    std::unique_ptr<QWidget> open(const QString& prefix)
    {
        std::unique_ptr<QWidget> window;
        if (prefix == "MAIN") {
            auto main = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
            main->Form_Load();
            window = std::move(main);
        } else {
            std::unique_ptr<Form> form;
            if (prefix == "ABOUT")
                form = std::make_unique<ZT_VOLTRAIL_ABOUT>(*services, *bar);
            else if (prefix == "RUN_OPTIONS")
                form = std::make_unique<ZT_VOLTRAIL_RUN_OPTION_WINDOW>(*services, *bar);
            else
                form = std::make_unique<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>(*services, *bar, bar.get());
            form->Load();
            window = std::move(form);
        }
        window->show();
        return window;
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

    QStringList written() const
    {
        QStringList out;
        for (const auto& key : backend->writes)
            out << QString::fromStdString(key);
        return out;
    }

    std::string stored(const QString& prefix, const char* suffix)
    {
        return backend->values[(prefix + suffix).toStdString()];
    }

private slots:
    void init()
    {
        ResetFixture();
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
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
        QCOMPARE(written(), QStringList({prefix + "_Left", prefix + "_Top"}) + alsoWritten);
        QCOMPARE(stored(prefix, "_Left"), std::string("-600"));
        QCOMPARE(stored(prefix, "_Top"), std::string("-375"));

        // A size put there from outside applies at every load and is left alone.
        backend->values[(prefix + "_Width").toStdString()] = "6000";
        backend->values[(prefix + "_Height").toStdString()] = "1500";
        cycle(prefix, QPoint(-40, -25), QSize(400, 100), QPoint(300, 200));
        cycle(prefix, QPoint(300, 200), QSize(400, 100), QPoint(300, 200));
        QVERIFY(!written().contains(prefix + "_Width"));
        QVERIFY(!written().contains(prefix + "_Height"));
        QCOMPARE(stored(prefix, "_Width"), std::string("6000"));
        QCOMPARE(stored(prefix, "_Left"), std::string("4500"));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
