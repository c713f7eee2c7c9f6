#include "ui/PictureIconEngine.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace voltrail {

namespace {

class ResourceFolder final : public QResource {
public:
    using QResource::children;
    using QResource::QResource;
};

} // namespace

PictureIconEngine::PictureIconEngine(const QString& folder) : folder_(folder) {}

const QList<int>& PictureIconEngine::Sides()
{
    // Listed when first asked: a button made is not yet a button painted.
    if (!sides_) {
        sides_.emplace();
        // Named <px>.png, read straight from the resource tree: listing it as
        // a folder would build file information for every entry.
        for (const QString& file : ResourceFolder(folder_).children())
            if (const int side = QStringView(file).chopped(4).toInt(); side > 0 && file.endsWith(".png"_L1))
                sides_->append(side);
        std::sort(sides_->begin(), sides_->end());
    }
    return *sides_;
}

int PictureIconEngine::BestSide(const QSize& size)
{
    const QList<int>& sides = Sides();
    const int wanted = qMax(size.width(), size.height());
    const auto it = std::lower_bound(sides.cbegin(), sides.cend(), wanted);
    return it != sides.cend() ? *it : sides.last();
}

QPixmap PictureIconEngine::Drawn(int side)
{
    if (const auto it = decoded_.constFind(side); it != decoded_.constEnd())
        return *it;
    QFile file(QStringLiteral("%1/%2.png").arg(folder_).arg(side));
    QImageReader reader(&file, "png");
    // Told the format, the reader would still ask every image plugin whether
    // it reads PNG too, loading each.
    reader.setAutoDetectImageFormat(false);
    return *decoded_.insert(side, QPixmap::fromImage(reader.read()));
}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    if (Sides().isEmpty() || size.isEmpty())
        return {};
    QPixmap pixmap = Drawn(BestSide(size));
    if (pixmap.width() > size.width() || pixmap.height() > size.height())
        pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const QStyleOption option;
        pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    return pixmap;
}

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    const QSize shown = drawn.size() / ratio;
    painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                      (rect.height() - shown.height()) / 2),
                              shown),
                        drawn);
}

QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    if (Sides().isEmpty())
        return {};
    const int side = qMin(BestSide(size), qMin(size.width(), size.height()));
    return QSize(side, side);
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int side : Sides())
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine* PictureIconEngine::clone() const
{
    return new PictureIconEngine(*this);
}

QString PictureIconEngine::key() const
{
    return QStringLiteral("voltrail-picture");
}

bool PictureIconEngine::isNull()
{
    return Sides().isEmpty();
}

} // namespace voltrail
