#pragma once

#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowTestBase.h"
#include "ui/TickBox.h"

#include <QStringList>
#include <QTimer>
#include <QtTest>

namespace voltrail::test {

// What the settings window does to the bar when Always On Top is clicked there.
inline void SwitchKeeper(ZT_VOLTRAIL_MAIN& bar, bool on)
{
    bar.AlwaysOnTop_TICKBOX->setValue(on ? 1 : 0);
    if (on)
        bar.AlwaysOnTopTimer->start();
    else
        bar.AlwaysOnTopTimer->stop();
}

// WindowTestBase with the main bar opened on the test's store.
class BarTestBase : public WindowTestBase {
protected:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

    // Loads the bar from the store as it stands now, shown and exposed, with
    // what it leaves until it has been painted (its icon, the frame's caption).
    void OpenBar()
    {
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        QTRY_VERIFY(!bar->windowIcon().isNull());
    }

    // The keys written to the store so far, in order.
    QStringList Written() const
    {
        QStringList out;
        for (const auto& key : backend->writes)
            out << QString::fromStdString(key);
        return out;
    }
};

} // namespace voltrail::test
