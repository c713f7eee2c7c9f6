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

// The frame margins arrive only once the window manager has framed the window;
// this filter keeps the outer size right whenever they change.
class OuterSizeKeeper final : public QObject {
public:
    explicit OuterSizeKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(QStringLiteral("OuterSizeKeeper"));
        window.installEventFilter(this);
    }

    void setOuterSize(QSize outer)
    {
        outer_ = outer;
        placedWith_.reset();
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
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
        if (placedWith_ == margins)
            return;
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
        placedWith_ = margins;
        window_.setGeometry(QRect(placed.toPoint() + QPoint(margins.left(), margins.top()), client));
        // A manager that keeps the client still while it finishes the frame
        // sends no move: look at the margins again once it has had the time.
        QTimer::singleShot(kFramingSettleMs, this, [this] { apply(); });
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
