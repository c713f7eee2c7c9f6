#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "support/BarTestBase.h"
#include "support/WindowActions.h"
#include "ui/Texts.h"
#include "ui/TickBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

using Ticks = QList<int>;
using Keys = QStringList;

class AboutWindowTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_ABOUT> about;

    // Opened the way the bar opens it, minus the modal wait.
    void openAbout()
    {
        about = std::make_unique<ZT_VOLTRAIL_ABOUT>(*services, *bar);
        about->Load();
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    }

    Ticks barTicks() const
    {
        Ticks out;
        for (auto* box : {bar->SHUTDOWN_TICKBOX, bar->RESTART_TICKBOX, bar->HIBERNATE_TICKBOX,
                          bar->LOGOFF_TICKBOX, bar->ALWAYS_ASK_TICKBOX})
            out << box->value();
        return out;
    }

    // Either no box ticked and all enabled, or the winner alone enabled.
    void verifyGroupState(int winner)
    {
        const auto group = about->RunNowGroup();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(group[i]->isTicked(), i == winner);
            QCOMPARE(group[i]->isEnabled(), winner < 0 || i == winner);
        }
    }

    static QString textOf(QWidget* w)
    {
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text();
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            return e->text();
        auto* g = qobject_cast<QGroupBox*>(w);
        return g ? g->title() : QString();
    }

private slots:
    void init()
    {
        ResetFixture();
        OpenBar();
    }
    void cleanup()
    {
        about.reset();
        bar.reset();
    }

    // Positions are left to the window's own layout constants; the texts a
    // person reads, and which controls stay hidden, are checked here.
    void controlsShowTheirTexts()
    {
        openAbout();
        const std::pair<const char*, const char*> shown[] = {
            {"ZT_TITLE_1", texts::kMakerName},
            {"ZT_TITLE_2", "ZT-VOLTRAIL"},
            {"ZT_TITLE_3", "ZT-VT"},
            {"VERSION_TEXTBOX", "Version 1.0"},
            {"CREATOR_TEXTBOX", texts::kCreditLine},
            {"FREEWARE_TEXTBOX", texts::kFreewareNotice},
            {"ICONS_WEBLINK_LABEL", "Some Base Icons Used"},
            {"ICONS_WEBLINK_TEXTBOX", texts::kIconCredit},
            {"RUN_NOW_SELECTOR_FRAME", "Run Now Button"},
            {"SHUTDOWN_TICKBOX", "Shutdown"},
            {"RESTART_TICKBOX", "Restart"},
            {"HIBERNATE_TICKBOX", "Hibernate"},
            {"LOGOFF_TICKBOX", "Logoff"},
            {"ALWAYS_ASK_TICKBOX", "Always Ask"},
            {"AlwaysOnTop_TICKBOX", "Always On Top"},
            {"SAVE_AND_CLOSE_BUTTON", "Save && Close"},
        };
        for (const auto& [name, text] : shown) {
            auto* w = about->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(w && w->isVisible() && w->isEnabled(), name);
            QCOMPARE(textOf(w), QString::fromUtf8(text));
        }
        for (const char* name :
             {"SLEEP_TICKBOX", "MY_CMD_TICKBOX", "MY_CMD_LABEL", "MY_CMD_VISIBLE_TICKBOX", "MY_CMD_TEXTBOX"})
            QVERIFY2(!about->findChild<QWidget*>(QLatin1String(name))->isVisible(), name);
    }

    void windowStartsOnSaveAndCloseWithTheTableTabOrder()
    {
        openAbout();
        QCOMPARE(about->windowTitle(), QStringLiteral("ZT-VOLTRAIL - ABOUT"));
        QCOMPARE(about->SAVE_AND_CLOSE_BUTTON->accessibleName(), QStringLiteral("Save & Close"));
        QVERIFY(about->SAVE_AND_CLOSE_BUTTON->isDefault());
        QCOMPARE(about->focusWidget(), about->SAVE_AND_CLOSE_BUTTON);
        QStringList chain;
        QWidget* w = about->SAVE_AND_CLOSE_BUTTON;
        do {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != about->SAVE_AND_CLOSE_BUTTON);
        QCOMPARE(chain, (QStringList{"SAVE_AND_CLOSE_BUTTON", "AlwaysOnTop_TICKBOX", "SHUTDOWN_TICKBOX",
                                     "RESTART_TICKBOX", "HIBERNATE_TICKBOX", "LOGOFF_TICKBOX",
                                     "ALWAYS_ASK_TICKBOX", "ICONS_WEBLINK_TEXTBOX"}));
    }

    void tickingAMemberIsMirroredAndExclusive_data()
    {
        QTest::addColumn<int>("member");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }

    void tickingAMemberIsMirroredAndExclusive()
    {
        QFETCH(int, member);
        openAbout();
        ClickTick(about->RunNowGroup()[member]);
        verifyGroupState(member);
        Ticks expected{0, 0, 0, 0, 0};
        expected[member] = 1;
        QCOMPARE(barTicks(), expected);
        ClickTick(about->RunNowGroup()[member]);
        verifyGroupState(-1);
        QCOMPARE(barTicks(), (Ticks{0, 0, 0, 0, 0}));
        QVERIFY(backend->writes.empty());
    }

    void loadedChoicesRunTheirHandlers_data()
    {
        QTest::addColumn<Keys>("stored"); // KEY=value
        QTest::addColumn<int>("winner");
        QTest::addColumn<Ticks>("mirrored");
        QTest::addColumn<bool>("onTop");
        const Ticks none{0, 0, 0, 0, 0};
        QTest::newRow("empty store") << Keys{} << -1 << none << true;
        QTest::newRow("logoff") << Keys{"LOGOFF_TICKBOX=1"} << 3 << Ticks{0, 0, 0, 1, 0} << true;
        QTest::newRow("shutdown and restart: last wins")
            << Keys{"SHUTDOWN_TICKBOX=1", "RESTART_TICKBOX=1"} << 1 << Ticks{0, 1, 0, 0, 0} << true;
        QTest::newRow("all five") << Keys{"SHUTDOWN_TICKBOX=1", "RESTART_TICKBOX=1", "HIBERNATE_TICKBOX=1",
                                          "LOGOFF_TICKBOX=1", "ALWAYS_ASK_TICKBOX=1"}
                                  << 4 << Ticks{0, 0, 0, 0, 1} << true;
        // Only 1 counts as ticked; the bar's namesake is cleared by the handler.
        QTest::newRow("two is not ticked") << Keys{"HIBERNATE_TICKBOX=2"} << -1 << none << true;
        QTest::newRow("always on top off stops the keeper")
            << Keys{"AlwaysOnTop_TICKBOX=0"} << -1 << none << false;
    }

    // The bar is opened on the same store first; the window's load then
    // corrects the bar through its handlers.
    void loadedChoicesRunTheirHandlers()
    {
        QFETCH(Keys, stored);
        QFETCH(int, winner);
        QFETCH(Ticks, mirrored);
        QFETCH(bool, onTop);
        for (const auto& entry : stored)
            backend->values[entry.section('=', 0, 0).toStdString()] = entry.section('=', 1).toStdString();
        OpenBar();
        // Switched on again so that only the window's load can stop it.
        bar->AlwaysOnTopTimer->start();
        bar->AlwaysOnTop_TICKBOX->setValue(1);
        openAbout();
        verifyGroupState(winner);
        QCOMPARE(barTicks(), mirrored);
        QCOMPARE(about->AlwaysOnTop_TICKBOX->isTicked(), onTop);
        QCOMPARE(bar->AlwaysOnTopTimer->isActive(), onTop);
        QCOMPARE(bar->AlwaysOnTop_TICKBOX->value(), std::int16_t{onTop});
    }

    void alwaysOnTopSwitchesTheKeeperLive()
    {
        openAbout();
        ClickTick(about->AlwaysOnTop_TICKBOX);
        QVERIFY(!bar->AlwaysOnTopTimer->isActive());
        QCOMPARE(bar->AlwaysOnTop_TICKBOX->value(), std::int16_t{0});
        ClickTick(about->AlwaysOnTop_TICKBOX);
        QVERIFY(bar->AlwaysOnTopTimer->isActive());
        QCOMPARE(bar->AlwaysOnTopTimer->interval(), 1000);
        QCOMPARE(bar->AlwaysOnTop_TICKBOX->value(), std::int16_t{1});
    }

    void closePathsWriteWhatTheyShould_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Keys>("writes");
        const Keys saved{"AlwaysOnTop_TICKBOX", "SHUTDOWN_TICKBOX",   "RESTART_TICKBOX", "HIBERNATE_TICKBOX",
                         "LOGOFF_TICKBOX",      "ALWAYS_ASK_TICKBOX", "ABOUT_Left",      "ABOUT_Top"};
        QTest::newRow("save and close") << "button" << saved;
        QTest::newRow("enter") << "enter" << saved;
        QTest::newRow("escape") << "escape" << Keys{"ABOUT_Left", "ABOUT_Top"};
        QTest::newRow("close box") << "close box" << Keys{"ABOUT_Left", "ABOUT_Top"};
    }

    void closePathsWriteWhatTheyShould()
    {
        QFETCH(QString, path);
        QFETCH(Keys, writes);
        openAbout();
        ClickTick(about->LOGOFF_TICKBOX);
        ClickTick(about->AlwaysOnTop_TICKBOX);
        about->move(-20, 40);
        Leave(about.get(), path, "SAVE_AND_CLOSE_BUTTON");
        QVERIFY(!about->isVisible());
        QCOMPARE(Written(), writes);
        QCOMPARE(backend->values["ABOUT_Left"], std::string("-300"));
        QCOMPARE(backend->values["ABOUT_Top"], std::string("600"));
        QVERIFY(backend->flushes > 0);
        if (writes.size() > 2) {
            QCOMPARE(backend->values["AlwaysOnTop_TICKBOX"], std::string("0"));
            QCOMPARE(backend->values["LOGOFF_TICKBOX"], std::string("1"));
            QCOMPARE(backend->values["SHUTDOWN_TICKBOX"], std::string("0"));
        }
        // The bar keeps the live choice either way.
        QCOMPARE(bar->LOGOFF_TICKBOX->value(), std::int16_t{1});
    }

    // A choice ticked in an earlier opening and left unsaved stays on the bar;
    // ticking another must replace it there, or RUN NOW would ask for both.
    // The store is left as it was: only Save & Close writes choices.
    void tickingAChoiceLeavesItAloneOnTheBar_data()
    {
        QTest::addColumn<QString>("stored"); // the five choices in the store
        QTest::addColumn<Ticks>("earlier");  // clicked in an opening left by the close box
        QTest::addColumn<int>("now");        // ticked in this opening, or -1
        QTest::addColumn<Ticks>("onBar");
        QTest::addColumn<QStringList>("asked"); // what RUN NOW then asks to confirm
        QTest::newRow("Restart left unsaved, then Shutdown")
            << "00000" << Ticks{1} << 0 << Ticks{1, 0, 0, 0, 0} << QStringList{"SHUTDOWN PC"};
        QTest::newRow("Always Ask left unsaved, then Logoff")
            << "00000" << Ticks{4} << 3 << Ticks{0, 0, 0, 1, 0} << QStringList{"LOGOFF CURRENT USER"};
        QTest::newRow("Restart left unsaved over a stored Hibernate, which loads again")
            << "00100" << Ticks{2, 1} << -1 << Ticks{0, 0, 1, 0, 0} << QStringList{"HIBERNATE PC"};
        QTest::newRow("Restart left unsaved, then ticked again")
            << "00000" << Ticks{1} << 1 << Ticks{0, 1, 0, 0, 0} << QStringList{"RESTART PC"};
    }

    void tickingAChoiceLeavesItAloneOnTheBar()
    {
        QFETCH(QString, stored);
        QFETCH(Ticks, earlier);
        QFETCH(int, now);
        QFETCH(Ticks, onBar);
        QFETCH(QStringList, asked);
        const char* keys[] = {"SHUTDOWN_TICKBOX", "RESTART_TICKBOX", "HIBERNATE_TICKBOX", "LOGOFF_TICKBOX",
                              "ALWAYS_ASK_TICKBOX"};
        for (int i = 0; i < 5; ++i)
            backend->values[keys[i]] = stored.mid(i, 1).toStdString();
        openAbout();
        for (const int box : earlier)
            ClickTick(about->RunNowGroup()[box]);
        PressCloseBox(about.get());
        about.reset();

        openAbout();
        if (now >= 0)
            ClickTick(about->RunNowGroup()[now]);
        QCOMPARE(barTicks(), onBar);
        PressCloseBox(about.get());
        about.reset();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(backend->values[keys[i]], stored.mid(i, 1).toStdString());

        QStringList confirmed;
        std::function<void(QWidget*)> answer = [&](QWidget* confirm) {
            confirmed << confirm->findChild<QLineEdit*>(QStringLiteral("ACTION_TEXTBOX"))->text();
            // A second question would come up as soon as this one is gone.
            ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW"), answer, 300);
            QTest::mouseClick(confirm->findChild<QPushButton*>(QStringLiteral("CANCEL_BUTTON")),
                              Qt::LeftButton);
        };
        ModalDriver::When(QStringLiteral("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW"), answer);
        QTest::mouseClick(bar->RUN_NOW_BUTTON, Qt::LeftButton);
        QTRY_COMPARE(ModalDriver::missed(), 1); // the one that waited for a second question
        QCOMPARE(confirmed, asked);
    }

    // An unsaved choice lasts for the run only, and the contact shown by a
    // double-click lasts until the window is opened again.
    void reopenedWindowStartsFromTheStore()
    {
        openAbout();
        ClickTick(about->RESTART_TICKBOX);
        QTest::mouseDClick(about->CREATOR_TEXTBOX, Qt::LeftButton);
        QCOMPARE(about->CREATOR_TEXTBOX->text(), QString::fromUtf8(texts::kContactAddress));
        QCOMPARE(about->CREATOR_TEXTBOX->accessibleName(), QString::fromUtf8(texts::kContactAddress));
        PressCloseBox(about.get());
        openAbout();
        verifyGroupState(-1);
        QCOMPARE(bar->RESTART_TICKBOX->value(), std::int16_t{1});
        QCOMPARE(about->CREATOR_TEXTBOX->text(), QString::fromUtf8(texts::kCreditLine));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
