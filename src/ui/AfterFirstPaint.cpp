#include "ui/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace voltrail {

namespace {

// A window kept off the screen is never painted.
constexpr int kLongestWaitMs = 1000;
// The first picture still has to be put on the screen by the display server
// (and a compositor): work started at once would take the processor from them.
constexpr int kSettleMs = 50;

} // namespace

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : QObject(&window), window_(window), work_(std::move(work))
{
    window.installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        if (painted_ || !window_.isVisible())
            Run();
        else
            QTimer::singleShot(kLongestWaitMs, this, &AfterFirstPaint::Run);
    });
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    // The filter sees the paint before it is done; the picture goes out
    // before the next turn of the event loop.
    if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        QTimer::singleShot(kSettleMs, this, &AfterFirstPaint::Run);
    }
    return false;
}

void AfterFirstPaint::Run()
{
    if (!work_)
        return;
    window_.removeEventFilter(this);
    const auto work = std::exchange(work_, nullptr);
    work();
}

} // namespace voltrail
