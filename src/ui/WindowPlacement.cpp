#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QPointF>
#include <QVariant>
#include <QWidget>

namespace voltrail {

namespace {

// The frame margins arrive only once the window manager has framed the window;
// this filter keeps the outer size right whenever they change.
class OuterSizeKeeper final : public QObject {
public:
    OuterSizeKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(QStringLiteral("OuterSizeKeeper"));
        window.installEventFilter(this);
    }

    void setOuterSize(QSize outer)
    {
        outer_ = outer;
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
        const QSize margins = window_.frameGeometry().size() - window_.geometry().size();
        const QSize client = (outer_ - margins).expandedTo(QSize(1, 1));
        if (window_.minimumSize() != client || window_.maximumSize() != client)
            window_.setFixedSize(client);
    }

    QWidget& window_;
    QSize outer_;
};

} // namespace

namespace {

// Twips are finer than pixels: a window that was not moved gives back the
// very values it was placed at, so opening and closing it changes nothing.
const char* const kPlacedAtPixels = "voltrailPlacedAtPixels";
const char* const kPlacedAtTwips = "voltrailPlacedAtTwips";

} // namespace

void ApplyPlacement(QWidget& window, const Placement& placement)
{
    const QPoint pixels(TwipsToPixels(placement.left), TwipsToPixels(placement.top));
    window.move(pixels);
    window.setProperty(kPlacedAtPixels, pixels);
    window.setProperty(kPlacedAtTwips, QPointF(placement.left, placement.top));
    auto* keeper = dynamic_cast<OuterSizeKeeper*>(window.findChild<QObject*>(
        QStringLiteral("OuterSizeKeeper"), Qt::FindDirectChildrenOnly));
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
    if (window.property(kPlacedAtPixels).toPoint() == now && window.property(kPlacedAtTwips).isValid()) {
        const QPointF twips = window.property(kPlacedAtTwips).toPointF();
        SavePosition(store, prefix, static_cast<float>(twips.x()), static_cast<float>(twips.y()));
        return;
    }
    SavePosition(store, prefix, PixelsToTwips(now.x()), PixelsToTwips(now.y()));
}

} // namespace voltrail
