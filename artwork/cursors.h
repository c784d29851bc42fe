#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

struct Cursor
{
    QString file; // below BTN/
    QImage image;
    QImage twin;  // the same hand at twice the size
};

// 32x32 hands whose fingertip is at (6, 1), the hotspot the program uses,
// each with a 64x64 twin for high-density screens.
std::vector<Cursor> cursors();

} // namespace art
