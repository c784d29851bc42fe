#include "icon.h"

#include "painting.h"
#include "pictures.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace art {

// "1x1" on a sunny tile over a short row of beads: the bead frame and the
// table in one picture that still reads at 48 pixels.
QImage appIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);

    const QRectF tile = drawTile(p, QRectF(0, 0, size, size), QColor(255, 205, 60));
    const QRectF top = part(tile, 0, 0, 1, 0.62);
    const TextStyle style{Qt::white, ink, 0.1};
    drawText(p, part(top, 0, 0.05, 0.34, 0.9), u"1"_s, style);
    drawSymbol(p, part(top, 0.36, 0.3, 0.28, 0.45), Symbol::Times, {QColor(230, 60, 60), ink, 0.1});
    drawText(p, part(top, 0.66, 0.05, 0.34, 0.9), u"1"_s, style);

    const QColor beads[] = {QColor(230, 50, 50), QColor(40, 140, 230), QColor(60, 180, 70), QColor(245, 140, 30)};
    const qreal radius = tile.width() / 10.0;
    const qreal y = tile.top() + tile.height() * 0.82;
    p.setPen(QPen(ink, std::max(1.0, size / 64.0)));
    p.drawLine(QPointF(tile.left(), y), QPointF(tile.right(), y));
    for (int i = 0; i < 4; ++i)
        drawBall(p, QPointF(tile.left() + radius * (1.3 + 2.45 * i), y), radius, beads[i]);
    return image;
}

} // namespace art
