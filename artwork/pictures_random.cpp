#include "pictures.h"

#include "screens/random/random_task.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace art {

namespace {

const QColor dieKeyColour{255, 175, 90};
const QColor pipColour{35, 35, 55};
const QColor onePipColour{225, 40, 40};
const QColor rangeKeyColour{195, 160, 255};
// The two ranges that mix more rows stand out a little.
const QColor wideRangeKeyColour{160, 130, 245};
const QColor arrowColour{255, 140, 20};

// Pips of a die face 1..6 on a 3 x 3 grid, as (column, row).
using Pips = std::vector<QPointF>;
Pips pipsOf(int n)
{
    switch (n) {
    case 1: return {{1, 1}};
    case 2: return {{0, 0}, {2, 2}};
    case 3: return {{0, 0}, {1, 1}, {2, 2}};
    case 4: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5: return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    default: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}};
    }
}

// A white die face with rounded corners and its pips; a lone pip is red.
void dieFace(QPainter &p, const QRectF &face, int n, qreal edge)
{
    const qreal radius = face.width() * 0.2;
    QLinearGradient body(face.topLeft(), face.bottomRight());
    body.setColorAt(0, Qt::white);
    body.setColorAt(1, QColor(222, 222, 232));
    p.setPen(QPen(QColor(90, 80, 100), edge));
    p.setBrush(body);
    p.drawRoundedRect(face, radius, radius);

    const qreal cell = face.width() / 3.6;
    const QPointF origin = face.center() - QPointF(cell, cell);
    const qreal r = cell * (n == 1 ? 0.48 : 0.36);
    p.setPen(Qt::NoPen);
    for (const QPointF &pip : pipsOf(n)) {
        const QPointF c = origin + pip * cell;
        QRadialGradient shade(c, r, c - QPointF(r * 0.3, r * 0.3));
        const QColor colour = n == 1 ? onePipColour : pipColour;
        shade.setColorAt(0, colour.lighter(170));
        shade.setColorAt(1, colour);
        p.setBrush(shade);
        p.drawEllipse(c, r, r);
    }
}

// A die tumbling on the key: tilted, with its shadow, showing five.
void tumblingDie(QPainter &p, const QRectF &face)
{
    const qreal s = std::min(face.width(), face.height()) * 0.74;
    p.save();
    p.translate(face.center());
    p.rotate(-14);
    const QRectF die(-s / 2, -s / 2, s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(die.translated(s * 0.07, s * 0.09), s * 0.2, s * 0.2);
    dieFace(p, die, 5, std::max(1.0, s * 0.035));
    p.restore();
}

void rangeFace(QPainter &p, const QRectF &face, const QString &text)
{
    drawText(p, centred(face, face.width() * 0.74, face.height() * 0.9), text,
             {Qt::white, QColor(70, 30, 130), 0.12});
}

// A band of small dice in turns 1..6, along the task row.
void diceBand(QPainter &p, const QRectF &area)
{
    const qreal size = area.height() * 0.72;
    const qreal step = size * 1.9;
    const int count = static_cast<int>(area.width() / step);
    const qreal left = area.center().x() - step * (count - 1) / 2;
    for (int i = 0; i < count; ++i) {
        const QPointF c(left + step * i, area.center().y());
        p.save();
        p.translate(c);
        p.rotate(i % 2 == 0 ? -10 : 10);
        dieFace(p, QRectF(-size / 2, -size / 2, size, size), i % 6 + 1, 1.0);
        p.restore();
    }
}

// A thin post of coloured pips between the row side and the range side.
void pipPost(QPainter &p, const QRectF &area)
{
    const std::array<QColor, 4> colours{{{255, 120, 60}, {80, 170, 250}, {90, 200, 90}, {190, 120, 240}}};
    const qreal r = area.width() * 0.32;
    const qreal step = r * 3.2;
    const int count = static_cast<int>(area.height() / step);
    const qreal top = area.center().y() - step * (count - 1) / 2;
    for (int i = 0; i < count; ++i)
        drawBall(p, QPointF(area.center().x(), top + step * i), r, colours[static_cast<std::size_t>(i) % colours.size()]);
}

} // namespace

Pictures randomPictures()
{
    Pictures pictures;
    // The start screen's key that opens the dice screen shows the same die.
    addKey(pictures, {u"Würfel0.jpg"_s, u"Würfel1.jpg"_s, {89, 89}, dieKeyColour, tumblingDie});

    for (const mk::random::Range &range : mk::random::kRanges) {
        const QString text = u"%1 - %2"_s.arg(range.from).arg(range.to);
        const QColor colour = range.to - range.from > 2 ? wideRangeKeyColour : rangeKeyColour;
        addKey(pictures, {mk::random::rangePicture(range, false), mk::random::rangePicture(range, true), {177, 65},
                          colour, [text](QPainter &p, const QRectF &face) { rangeFace(p, face, text); }});
    }

    // Pictures the screen's layout carries itself: the arrows that point to
    // the die in use, and the decoration.
    pictures.push_back({u"Pfeil_links.jpg"_s, {66, 47}, [](QPainter &p, const QRectF &area) {
                            drawArrow(p, centred(area, area.width() * 0.92, area.height() * 0.8), 180, arrowColour);
                        }});
    pictures.push_back({u"Pfeil_rechts.jpg"_s, {66, 47}, [](QPainter &p, const QRectF &area) {
                            drawArrow(p, centred(area, area.width() * 0.92, area.height() * 0.8), 0, arrowColour);
                        }});
    pictures.push_back({u"Würfel_Band.jpg"_s, {782, 40}, diceBand});
    pictures.push_back({u"Würfel_Leiste.jpg"_s, {24, 284}, pipPost});
    return pictures;
}

} // namespace art
