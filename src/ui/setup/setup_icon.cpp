#include "setup_icon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace korvex {
namespace {

// Drawn on a 32-unit grid in the 16 basic colours, so both sizes stay crisp.
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(size / 32.0, size / 32.0);

    // Antenna and its waves.
    painter.setPen(QPen(QColor(0, 0, 0), 2));
    painter.drawLine(QPointF(22, 13), QPointF(22, 4));
    painter.setPen(QPen(QColor(255, 0, 0), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(17, 0, 10, 8), 30 * 16, 120 * 16);
    if (size >= 32)
        painter.drawArc(QRectF(14, -3, 16, 12), 35 * 16, 110 * 16);

    // The box.
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(QRectF(3.5, 12.5, 25, 17));

    // Its display, showing a position mark.
    painter.setBrush(QColor(0, 255, 0));
    painter.drawRect(QRectF(6.5, 15.5, 19, 7));
    painter.setPen(QPen(QColor(0, 128, 0), 2));
    painter.drawLine(QPointF(9, 19), QPointF(23, 19));

    // Two keys.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(QRectF(8, 24.5, 5, 3));
    painter.drawRect(QRectF(19, 24.5, 5, 3));
    return pixmap;
}

} // namespace

QIcon setupWindowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        const QString drawn = QStringLiteral(":/korvex/setup/korvex-config-%1.png").arg(size);
        if (QFile::exists(drawn))
            icon.addFile(drawn, QSize(size, size));
    }
    if (!icon.isNull())
        return icon;
    icon.addPixmap(drawIcon(32));
    icon.addPixmap(drawIcon(16));
    return icon;
}

} // namespace korvex
