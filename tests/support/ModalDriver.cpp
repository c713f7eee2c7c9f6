#include "support/ModalDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

namespace voltrail::test {

namespace {
int g_missed = 0;
}

void ModalDriver::When(const QString& windowName, std::function<void(QWidget*)> action, int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == windowName && modal->isVisible()) {
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            ++g_missed;
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

int ModalDriver::missed()
{
    return g_missed;
}

void ModalDriver::resetMissed()
{
    g_missed = 0;
}

} // namespace voltrail::test
