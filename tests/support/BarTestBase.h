#pragma once

#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "support/WindowTestBase.h"

#include <QStringList>
#include <QtTest>

namespace voltrail::test {

// WindowTestBase with the main bar opened on the test's store.
class BarTestBase : public WindowTestBase {
protected:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

    // Loads the bar from the store as it stands now, shown and exposed.
    void OpenBar()
    {
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
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
