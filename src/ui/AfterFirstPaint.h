#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace voltrail {

// Work a window does not need in order to appear: it runs shortly after the
// window's first paint, once that picture has gone out and been shown.
// A window that is not shown by the first turn of the event loop has it done
// then; one that is shown but not painted within a second, then.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run();

    QWidget& window_;
    std::function<void()> work_;
    bool painted_ = false;
};

} // namespace voltrail
