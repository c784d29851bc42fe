#pragma once

#include "frame/colours.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;

namespace art {

// The screens' window colour: the corners around a rounded key and the
// "empty" pictures use it, so that they melt into the window.
inline const QColor windowColour{mk::colours::kWindow.red, mk::colours::kWindow.green, mk::colours::kWindow.blue};
inline const QColor ink{45, 45, 70};

// Draws into `area`: the whole picture for a flat picture, the face of the
// key (already shifted when pressed) for a key.
using Paint = std::function<void(QPainter &, const QRectF &area)>;

struct Picture
{
    QString file; // below BTN/
    QSize size;
    Paint paint;
};
using Pictures = std::vector<Picture>;

enum class Press { Up, Down };

// A key in one colour with the same face raised and pressed in; an empty
// `pressed` name draws the raised picture only.
struct Key
{
    QString normal;
    QString pressed;
    QSize size;
    QColor colour;
    Paint face;
};
void addKey(Pictures &pictures, const Key &key);
Paint keyPicture(const QColor &colour, Press press, const Paint &face);

// `scale` 2 draws the same picture at twice its size, for high-density screens.
QImage render(const Picture &picture, int scale = 1);

// Without these the pictures would quietly fall back to other fonts.
QStringList missingFonts();

// `body`, when given, paints the key's surface (clipped to its shape)
// instead of the plain colour, e.g. a flag.
QRectF drawKey(QPainter &p, const QRectF &area, const QColor &colour, Press press, const Paint &body = {});
// A flat tile for pictures that are shown rather than pressed.
QRectF drawTile(QPainter &p, const QRectF &area, const QColor &colour);

struct TextStyle
{
    QColor fill = Qt::white;
    QColor outline = ink;
    qreal outlineWidth = 0.08; // relative to the text's height or the symbol's size
};
// Fits the text into `box` (visually centred) in the rounded bold font.
void drawText(QPainter &p, const QRectF &box, const QString &text, const TextStyle &style = {});

enum class Symbol { Times, Star, Dot, Plus, Minus, Divide, Equals };
// Drawn from strokes rather than glyphs, so every sign has the same weight.
void drawSymbol(QPainter &p, const QRectF &box, Symbol symbol, const TextStyle &style = {});

void drawEmoji(QPainter &p, const QRectF &box, const QString &emoji);

void drawBall(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour);
// A fat arrow pointing along `angle` (degrees, 0 = right, 90 = down).
void drawArrow(QPainter &p, const QRectF &box, qreal angle, const QColor &colour);
void drawCross(QPainter &p, const QRectF &box, const QColor &colour);

QRectF centred(const QRectF &area, qreal width, qreal height);
QRectF part(const QRectF &area, qreal left, qreal top, qreal width, qreal height);

} // namespace art
