#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace art {

namespace {

const QColor tileColour{255, 247, 215};
const QColor signColour{35, 60, 150};
const QColor eraserKeyColour{200, 230, 255};

void factorTile(QPainter &p, const QRectF &area, int n)
{
    const QRectF inner = drawTaskTile(p, area);
    drawText(p, centred(inner, inner.width() * 1.12, inner.height() * 0.98), QString::number(n),
             {numberColour(n), numberColour(n).darker(260), 0.1});
}

// Two arrows chasing each other round a circle: the columns change places.
void turnFace(QPainter &p, const QRectF &face)
{
    const qreal r = face.height() * 0.36;
    const QPointF c = face.center();
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const qreal width = face.height() * 0.14;
    const QColor colour(30, 120, 230);

    for (const qreal start : {160.0, -20.0}) {
        const qreal sweep = -130;
        QPainterPath arc;
        arc.arcMoveTo(circle, start);
        arc.arcTo(circle, start, sweep);

        const qreal end = qDegreesToRadians(start + sweep);
        const QPointF tip = c + QPointF(r * std::cos(end), -r * std::sin(end));
        const QPointF along(std::sin(end), std::cos(end));
        const QPointF across(-along.y(), along.x());
        QPainterPath head;
        head.moveTo(tip + along * width * 1.3);
        head.lineTo(tip + across * width * 1.2);
        head.lineTo(tip - across * width * 1.2);
        head.closeSubpath();

        p.setPen(QPen(Qt::white, width * 1.8, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setPen(QPen(Qt::white, width * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(head);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(head);
    }
}

Paint emojiOnTile(const QString &emoji)
{
    return [emoji](QPainter &p, const QRectF &area) {
        const QRectF inner = drawTaskTile(p, area);
        drawEmoji(p, inner.adjusted(-1, -1, 1, 1), emoji);
    };
}

} // namespace

QRectF drawTaskTile(QPainter &p, const QRectF &area)
{
    return drawTile(p, area, tileColour);
}

void drawSign(QPainter &p, const QRectF &box, Symbol sign)
{
    const qreal s = std::min(box.width(), box.height()) * 1.05;
    drawSymbol(p, centred(box, s, s), sign, {signColour, Qt::white, 0});
}

Pictures otherPictures()
{
    Pictures pictures;
    for (int n = 1; n <= 10; ++n) {
        pictures.push_back({u"Fläche%1.jpg"_s.arg(n, 2, 10, QLatin1Char('0')), {49, 49},
                            [n](QPainter &p, const QRectF &area) { factorTile(p, area, n); }});
    }
    pictures.push_back({u"Fläche_Gleich.jpg"_s, {49, 49}, [](QPainter &p, const QRectF &area) {
                            drawSign(p, drawTaskTile(p, area), Symbol::Equals);
                        }});
    pictures.push_back({u"Fläche_leer.jpg"_s, {49, 49}, [](QPainter &p, const QRectF &area) { drawTaskTile(p, area); }});
    pictures.push_back({u"SmileyFroh.jpg"_s, {49, 49}, emojiOnTile(u"😀"_s)});
    pictures.push_back({u"SmileyTraurig.jpg"_s, {49, 49}, emojiOnTile(u"😢"_s)});

    pictures.push_back({u"Pfeil0.jpg"_s, {49, 49}, [](QPainter &, const QRectF &) {}});
    pictures.push_back({u"Pfeil1.jpg"_s, {49, 49}, [](QPainter &p, const QRectF &area) {
                            drawArrow(p, centred(area, area.width() * 0.96, area.height() * 0.86), 180,
                                      QColor(255, 120, 30));
                        }});

    addKey(pictures, {u"Auge_normal.jpg"_s, u"Auge_gedrückt.jpg"_s, {89, 89}, QColor(255, 230, 130),
                      [](QPainter &p, const QRectF &face) { drawEmoji(p, face, u"👀"_s); }});
    addKey(pictures, {u"DrehPfeil_normal.jpg"_s, u"DrehPfeil_gedrückt.jpg"_s, {81, 57}, QColor(255, 236, 160),
                      turnFace});
    addKey(pictures, {u"RadierButton_klein_liegend.jpg"_s, u"RadierButton_klein_gedrückt.jpg"_s, {49, 41},
                      eraserKeyColour, [](QPainter &p, const QRectF &face) {
                          drawEraser(p, centred(face, face.width() * 1.1, face.height() * 1.6), 0);
                      }});
    return pictures;
}

} // namespace art
