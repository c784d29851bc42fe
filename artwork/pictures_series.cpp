#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

// Learning in a row: the task tiles, the smileys that judge an answer, the
// arrow that marks the next task, the eye, rotate and small eraser keys, and
// the bands and bars round the task table.
namespace art {

namespace {

const QColor eraserKeyColour{200, 230, 255};

// The factor tiles: a tile lightly tinted in the number's own colour, the
// digits as large as the tile allows, dark-rimmed so they stand off the tint.
void factorTile(QPainter &p, const QRectF &area, int n)
{
    const QColor colour = numberColour(n);
    const auto mix = [](int c) { return (c + 4 * 255) / 5; };
    const QColor tint(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
    const QRectF inner = drawTile(p, area, tint);
    const qreal grow = n == 10 ? 1.25 : 1.12;
    drawText(p, centred(inner, inner.width() * grow, inner.height() * 1.12), QString::number(n),
             {colour, colour.darker(240), 0.11});
}

enum class Mood { Happy, Sad };

// A face drawn, not typed: a happy one is sunny yellow on green and smiles
// wide; a sad one is pale blue on grey, frowns and cries. Colour and shape
// both tell them apart, so a child needs neither to read nor to look close.
void face(QPainter &p, const QRectF &area, Mood mood)
{
    const bool happy = mood == Mood::Happy;
    const QRectF inner = drawTile(p, area, happy ? QColor(150, 220, 120) : QColor(185, 195, 210));
    const qreal r = std::min(inner.width(), inner.height()) * 0.56;
    const QPointF c = inner.center();
    const QColor skin = happy ? QColor(255, 215, 40) : QColor(140, 185, 235);
    const QColor line = happy ? QColor(120, 70, 0) : QColor(30, 60, 120);

    p.save();
    QRadialGradient shade(c, r, c - QPointF(r * 0.35, r * 0.4));
    shade.setColorAt(0, skin.lighter(135));
    shade.setColorAt(1, skin.darker(112));
    p.setPen(QPen(line, r * 0.08));
    p.setBrush(shade);
    p.drawEllipse(c, r, r);

    p.setPen(Qt::NoPen);
    p.setBrush(line);
    const qreal eyeY = c.y() - r * 0.28;
    for (const qreal dx : {-0.36, 0.36})
        p.drawEllipse(QPointF(c.x() + r * dx, eyeY), r * 0.11, r * (happy ? 0.17 : 0.12));

    const qreal w = r * 0.6;
    QPainterPath mouth;
    if (happy) {
        // A wide open smile.
        mouth.moveTo(c.x() - w, c.y() + r * 0.1);
        mouth.cubicTo(c.x() - w * 0.6, c.y() + r * 0.8, c.x() + w * 0.6, c.y() + r * 0.8, c.x() + w, c.y() + r * 0.1);
        mouth.closeSubpath();
        p.setBrush(QColor(170, 40, 40));
        p.setPen(QPen(line, r * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(mouth);
    } else {
        mouth.moveTo(c.x() - w * 0.8, c.y() + r * 0.58);
        mouth.cubicTo(c.x() - w * 0.4, c.y() + r * 0.18, c.x() + w * 0.4, c.y() + r * 0.18, c.x() + w * 0.8, c.y() + r * 0.58);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(line, r * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(mouth);
        // A tear under the left eye.
        QPainterPath tear;
        const QPointF top(c.x() - r * 0.36, eyeY + r * 0.16);
        tear.moveTo(top);
        tear.cubicTo(top + QPointF(r * 0.2, r * 0.3), top + QPointF(r * 0.14, r * 0.5), top + QPointF(0, r * 0.5));
        tear.cubicTo(top + QPointF(-r * 0.14, r * 0.5), top + QPointF(-r * 0.2, r * 0.3), top);
        p.setPen(QPen(QColor(20, 90, 200), r * 0.04));
        p.setBrush(QColor(90, 190, 255));
        p.drawPath(tear);
    }
    p.restore();
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

// The bands above and below the table: a soft ribbon strung with the ten
// number colours.
void band(QPainter &p, const QRectF &area)
{
    const QRectF ribbon = area.adjusted(2, area.height() * 0.3, -2, -area.height() * 0.3);
    p.save();
    p.setPen(QPen(QColor(200, 170, 120), 1));
    p.setBrush(QColor(240, 222, 185));
    p.drawRoundedRect(ribbon, ribbon.height() / 2, ribbon.height() / 2);
    p.restore();
    const qreal r = area.height() * 0.3;
    const qreal step = (area.width() - 4 * r) / 9;
    for (int n = 1; n <= 10; ++n)
        drawBall(p, QPointF(2 * r + step * (n - 1), area.center().y()), r, numberColour(n));
}

// The bars beside the table: one ball in the number's colour beside each of
// the ten task lines, which lie 56 pixels apart from 48 pixels down.
void bar(QPainter &p, const QRectF &area)
{
    const QRectF rail = area.adjusted(area.width() * 0.36, 4, -area.width() * 0.36, -4);
    p.save();
    p.setPen(QPen(QColor(200, 170, 120), 1));
    p.setBrush(QColor(240, 222, 185));
    p.drawRoundedRect(rail, rail.width() / 2, rail.width() / 2);
    p.restore();
    const qreal r = area.width() * 0.3;
    for (int n = 1; n <= 10; ++n)
        drawBall(p, QPointF(area.center().x(), 48.5 + 56 * (n - 1)), r, numberColour(n));
}

} // namespace

Pictures seriesPictures()
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
    pictures.push_back({u"SmileyFroh.jpg"_s, {49, 49}, [](QPainter &p, const QRectF &area) { face(p, area, Mood::Happy); }});
    pictures.push_back({u"SmileyTraurig.jpg"_s, {49, 49}, [](QPainter &p, const QRectF &area) { face(p, area, Mood::Sad); }});

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

    // Pictures the screen's layout carries itself.
    pictures.push_back({u"Reihe_Band.jpg"_s, {550, 40}, band});
    pictures.push_back({u"Reihe_Leiste.jpg"_s, {36, 592}, bar});
    return pictures;
}

} // namespace art
