#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

struct Cursor
{
    QString file; // below BTN/
    QImage image;
};

// 32x32 hands whose fingertip is at (6, 1), the hotspot the program uses.
std::vector<Cursor> cursors();

} // namespace art
