#pragma once

#include "painting.h"

namespace art {

// One list per screen; together they are every picture the program loads.
Pictures startPictures();
Pictures ballsPictures();
Pictures calculatorPictures();
Pictures randomPictures();
Pictures seriesPictures();
Pictures lernstandPictures();

// Pictures that more than one screen's artwork draws.
QColor numberColour(int n);
void drawEraser(QPainter &p, const QRectF &box, qreal angle);
void drawSign(QPainter &p, const QRectF &box, Symbol sign); // a task's sign on a tile
QRectF drawTaskTile(QPainter &p, const QRectF &area);

} // namespace art
