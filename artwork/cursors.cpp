#include "cursors.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace art {

namespace {

QImage hand(const QColor &skin, bool pressed, int scale)
{
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    // The index finger's rounded top touches y = 1 at x = 6.
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addRoundedRect(QRectF(3.5, 1, 5, 16), 2.5, 2.5);
    shape.addRoundedRect(QRectF(8, 10.5, 4.8, 10), 2.4, 2.4);
    shape.addRoundedRect(QRectF(12.3, 11.5, 4.8, 10), 2.4, 2.4);
    shape.addRoundedRect(QRectF(16.6, 12.8, 4.6, 9), 2.3, 2.3);
    shape.addRoundedRect(QRectF(3.5, 14, 17.7, 14.5), 4.5, 4.5);
    QPainterPath thumb;
    thumb.moveTo(4.5, 17);
    thumb.cubicTo(2.5, 15.5, 0.5, 16.5, 1.2, 18.8);
    thumb.cubicTo(2, 21.5, 3.5, 24, 5.5, 25);
    thumb.closeSubpath();
    shape = shape.united(thumb).simplified();

    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setPen(QPen(QColor(30, 25, 20), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(skin);
    p.drawPath(shape);

    p.setPen(QPen(skin.darker(190), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 13.5), QPointF(12.5, 18.5));
    p.drawLine(QPointF(16.8, 14.5), QPointF(16.8, 19));

    if (pressed) {
        for (const auto &[colour, width] : {std::pair{QColor(Qt::white), 3.0}, std::pair{QColor(230, 60, 30), 1.3}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11, 3.5), QPointF(13.5, 2));
            p.drawLine(QPointF(11.5, 6.5), QPointF(14.5, 6.5));
        }
    }
    return image;
}

} // namespace

std::vector<Cursor> cursors()
{
    return {
        {u"Hand1.ico"_s, hand(QColor(255, 222, 150), false, 1), hand(QColor(255, 222, 150), false, 2)},
        {u"Hand3.ico"_s, hand(QColor(235, 165, 80), true, 1), hand(QColor(235, 165, 80), true, 2)},
    };
}

} // namespace art
