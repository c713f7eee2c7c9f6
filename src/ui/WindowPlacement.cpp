#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QMargins>
#include <QPointF>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace voltrail {

namespace {

// Twips are finer than pixels: a window that was not moved gives back the
// very values it was placed at, so opening and closing it changes nothing.
const char* const kPlacedAtPixels = "voltrailPlacedAtPixels";
const char* const kPlacedAtTwips = "voltrailPlacedAtTwips";
constexpr int kFramingSettleMs = 100;
// A manager that gives a framed window new margins (another theme) may move
// neither the client nor its size, and Qt tells no one: they are looked at
// this often while the window is shown (a cached read unless they changed).
constexpr int kMarginWatchMs = 500;

// The frame margins arrive only once the window manager has framed the window;
// this filter keeps the outer size right whenever they change.
class OuterSizeKeeper final : public QObject {
public:
    explicit OuterSizeKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(QStringLiteral("OuterSizeKeeper"));
        followTimer_.setSingleShot(true);
        followTimer_.setInterval(kFramingSettleMs);
        connect(&followTimer_, &QTimer::timeout, this, [this] { TakeMove(); });
        marginWatch_.setInterval(kMarginWatchMs);
        connect(&marginWatch_, &QTimer::timeout, this, [this] { apply(); });
        window.installEventFilter(this);
    }

    void setOuterSize(QSize outer)
    {
        outer_ = outer;
        placedWith_.reset();
        frameAt_ = window_.property(kPlacedAtPixels).toPoint();
        standsPlaced_ = false;
        if (window_.isVisible())
            marginWatch_.start();
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            marginWatch_.start();
            apply();
            break;
        case QEvent::Hide:
            marginWatch_.stop();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            apply();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void apply()
    {
        const QMargins margins = FrameMargins();
        if (placedWith_ == margins) {
            FollowFrame();
            return;
        }
        const QSize client =
            (outer_ - QSize(margins.left() + margins.right(), margins.top() + margins.bottom()))
                .expandedTo(QSize(1, 1));
        window_.setFixedSize(client);
        // While the window manager frames the window, Qt's idea of where the
        // client is lags behind, and the first margins may be read before the
        // client sits where it will in its frame (same size, other corner):
        // place it from the margins alone each time they change.
        const QVariant placed = window_.property(kPlacedAtPixels);
        if (!window_.isVisible() || !placed.isValid())
            return;
        // A move seen just before new margins was the manager's reframing.
        followTimer_.stop();
        placedWith_ = margins;
        window_.setGeometry(QRect(frameAt_ + QPoint(margins.left(), margins.top()), client));
        // A manager that keeps the client still while it finishes the frame
        // sends no move: look at the margins again once it has had the time.
        QTimer::singleShot(kFramingSettleMs, this, [this] { apply(); });
    }

    // Until the frame has once stood where it was placed, what moves it is the
    // window manager framing it, and the place stays the one it was given.
    // From then on a move with the same margins is the person's (or the
    // manager's) and is kept: a later change of margins (another theme, a
    // monitor of another DPI) leaves the frame where it is.
    void FollowFrame()
    {
        const QWindow* handle = window_.windowHandle();
        if (!window_.isVisible() || !handle)
            return;
        const QPoint frame = handle->framePosition();
        if (!standsPlaced_)
            standsPlaced_ = frame == frameAt_;
        else if (frame != frameAt_)
            followTimer_.start();
    }

    // A manager that gives the frame new margins may move the client before it
    // announces them, which reads as a move by the old margins: a move counts
    // once the margins have stayed the same for the settling time.
    void TakeMove()
    {
        const QWindow* handle = window_.windowHandle();
        if (placedWith_ == FrameMargins() && handle)
            frameAt_ = handle->framePosition();
        apply();
    }

    // Asked of the window system each time: Qt's widget copy of the margins
    // is brought up to date only when the window moves or is resized.
    QMargins FrameMargins() const
    {
        const QWindow* handle = window_.windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    }

    QWidget& window_;
    QSize outer_;
    std::optional<QMargins> placedWith_;
    QPoint frameAt_;
    bool standsPlaced_ = false;
    QTimer followTimer_;
    QTimer marginWatch_;
};

} // namespace

void ApplyPlacement(QWidget& window, const Placement& placement)
{
    const QPoint pixels(TwipsToPixels(placement.left), TwipsToPixels(placement.top));
    window.move(pixels);
    window.setProperty(kPlacedAtPixels, pixels);
    window.setProperty(kPlacedAtTwips, QPointF(placement.left, placement.top));
    auto* keeper = dynamic_cast<OuterSizeKeeper*>(
        window.findChild<QObject*>(QStringLiteral("OuterSizeKeeper"), Qt::FindDirectChildrenOnly));
    if (!keeper)
        keeper = new OuterSizeKeeper(window);
    keeper->setOuterSize(QSize(TwipsToPixels(placement.width), TwipsToPixels(placement.height)));
}

void RestorePlacement(QWidget& window, SettingsStore& store, const std::string& prefix,
                      const Placement& defaults)
{
    ApplyPlacement(window, LoadPlacement(store, prefix, defaults));
}

void SavePlacement(const QWidget& window, SettingsStore& store, const std::string& prefix)
{
    // pos() of a window is its frame's top-left corner.
    const QPoint now = window.pos();
    const QVariant twips = window.property(kPlacedAtTwips);
    if (twips.isValid() && window.property(kPlacedAtPixels).toPoint() == now) {
        SavePosition(store, prefix, static_cast<float>(twips.toPointF().x()),
                     static_cast<float>(twips.toPointF().y()));
        return;
    }
    SavePosition(store, prefix, PixelsToTwips(now.x()), PixelsToTwips(now.y()));
}

} // namespace voltrail
