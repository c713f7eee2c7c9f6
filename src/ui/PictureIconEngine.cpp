#include "ui/PictureIconEngine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QtEndian>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace voltrail {

namespace {

class ResourceFolder final : public QResource {
public:
    using QResource::children;
    using QResource::QResource;
};

// A picture in the build's own format; null if it is malformed.
QImage Unpacked(const QByteArray& data)
{
    // Width and height, 32-bit little endian, then straight RGBA rows.
    constexpr qsizetype kHeader = 8;
    if (data.size() < kHeader)
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const quint32 width = qFromLittleEndian<quint32>(bytes);
    const quint32 height = qFromLittleEndian<quint32>(bytes + 4);
    if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
        data.size() - kHeader != qsizetype(width) * qsizetype(height) * 4)
        return {};
    // A copy: the data is a temporary when the resource is compressed.
    return QImage(bytes + kHeader, int(width), int(height), int(width) * 4, QImage::Format_RGBA8888).copy();
}

} // namespace

PictureIconEngine::PictureIconEngine(const QString& folder) : folder_(folder) {}

const QList<int>& PictureIconEngine::Sides()
{
    // Listed when first asked: a button made is not yet a button painted.
    if (!sides_) {
        sides_.emplace();
        // Named <px>.rgba, read straight from the resource tree: listing it as
        // a folder would build file information for every entry.
        for (const QString& file : ResourceFolder(folder_).children())
            if (const int side = QStringView(file).chopped(5).toInt(); side > 0 && file.endsWith(".rgba"_L1))
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
    return *decoded_.insert(
        side, QPixmap::fromImage(Unpacked(
                  QResource(QStringLiteral("%1/%2.rgba").arg(folder_).arg(side)).uncompressedData())));
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
