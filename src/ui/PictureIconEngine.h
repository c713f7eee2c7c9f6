#pragma once

#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>

namespace voltrail {

// A picture drawn at build time at several sizes, as plain pixels
// (:/pictures/<name>/<px>.rgba). Only the size that is painted is read, when
// it is first painted: going through QIcon's file loading would decode every
// size, and any image reader searches the plugin folders for image plugins.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const QString& folder);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    // The smallest drawn size that covers the request, else the largest.
    int BestSide(const QSize& size);
    // The drawn sizes, smallest first.
    const QList<int>& Sides();
    QPixmap Drawn(int side);

    QString folder_;
    std::optional<QList<int>> sides_;
    QHash<int, QPixmap> decoded_;
};

} // namespace voltrail
