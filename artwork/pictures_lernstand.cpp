#include "pictures.h"

#include "screens/lernstand/lernstand_looks.h"

#include <QPainter>

using namespace Qt::StringLiterals;

// The key to the board of known tasks and the practice key on it.
namespace art {

namespace {

QColor qt(const mk::colours::Rgb &c)
{
    return QColor(c.red, c.green, c.blue);
}

// A little board: two rows of the looks, the known ones with their star.
void miniBoard(QPainter &p, const QRectF &box)
{
    constexpr int kColumns = 5;
    constexpr int levels[2][kColumns] = {{4, 4, 3, 4, 2}, {4, 1, 4, 0, 4}};
    const qreal pitch = std::min(box.width() / kColumns, box.height() / 2);
    const QRectF grid = centred(box, pitch * kColumns, pitch * 2);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const auto &look = mk::lernstand::kLooks[static_cast<std::size_t>(levels[row][col])];
            const QRectF cell(grid.left() + col * pitch, grid.top() + row * pitch, pitch, pitch);
            const QRectF inner = cell.adjusted(pitch * 0.06, pitch * 0.06, -pitch * 0.06, -pitch * 0.06);
            p.setPen(QPen(qt(look.fill).darker(140), std::max(1.0, pitch * 0.05)));
            p.setBrush(qt(look.fill));
            p.drawRoundedRect(inner, pitch * 0.18, pitch * 0.18);
            if (levels[row][col] == 4)
                drawText(p, inner.adjusted(pitch * 0.1, pitch * 0.1, -pitch * 0.1, -pitch * 0.1), u"★"_s,
                         {Qt::white, QColor(20, 90, 30), 0.06});
        }
    }
}

void boardFace(QPainter &p, const QRectF &face)
{
    miniBoard(p, part(face, 0.02, 0.06, 0.5, 0.88));
    drawEmoji(p, part(face, 0.53, 0.04, 0.2, 0.92), u"⭐"_s);
    drawText(p, part(face, 0.74, 0.14, 0.24, 0.72), u"1x1"_s, {QColor(120, 40, 170), Qt::white, 0.1});
}

void practiceFace(QPainter &p, const QRectF &face)
{
    drawEmoji(p, part(face, 0.03, 0.06, 0.3, 0.88), u"🎯"_s);
    drawText(p, part(face, 0.36, 0.16, 0.6, 0.68), u"3x7=?"_s, {QColor(25, 60, 160), Qt::white, 0.1});
}

} // namespace

Pictures lernstandPictures()
{
    Pictures pictures;
    addKey(pictures, {u"Lernstand_normal.jpg"_s, u"Lernstand_gedrückt.jpg"_s, {241, 46}, QColor(225, 205, 255), boardFace});
    addKey(pictures, {u"Ueben_normal.jpg"_s, u"Ueben_gedrückt.jpg"_s, {177, 57}, QColor(255, 220, 150), practiceFace});
    return pictures;
}

} // namespace art
