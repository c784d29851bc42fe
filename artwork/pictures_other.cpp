#include "pictures.h"

#include <QPainter>

// The task tile and its signs, which the start screen's chosen sign and the
// series screen's task table share.
namespace art {

namespace {

const QColor tileColour{255, 247, 215};
const QColor signColour{35, 60, 150};

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

} // namespace art
