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
    // The timer runs copies of *poll; the original holds poll itself, so it
    // is dropped once polling ends, or the pair would never be freed.
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == windowName && modal->isVisible()) {
            *poll = nullptr;
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            *poll = nullptr;
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
