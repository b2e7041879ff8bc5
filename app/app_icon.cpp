#include "app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

namespace sbc {

QImage AppIconImage(int size)
{
    // Drawn on a 32-unit grid and scaled, in a handful of plain colours.
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size >= 32);
    p.scale(size / 32.0, size / 32.0);

    // Pit floor.
    p.fillRect(QRectF(2, 28, 28, 3), QColor(64, 64, 64));
    // The coil spring: a zigzag between two plates.
    p.fillRect(QRectF(9, 26, 14, 2), QColor(128, 128, 128));
    p.fillRect(QRectF(9, 17, 14, 2), QColor(128, 128, 128));
    QPolygonF coil;
    for (int i = 0; i <= 4; ++i)
        coil << QPointF(i % 2 ? 22 : 10, 19 + i * (7.0 / 4.0));
    p.setPen(QPen(QColor(128, 128, 0), 1.6));
    p.drawPolyline(coil);
    // The car above it.
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(5, 2, 22, 13));
    p.setPen(QPen(QColor(0, 0, 128), 1.2));
    p.drawLine(QPointF(16, 3), QPointF(16, 14));
    // A red check mark: the verdict.
    p.setPen(QPen(QColor(255, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(19, 8), QPointF(21.5, 11), QPointF(26, 4)}));
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}

} // namespace sbc
