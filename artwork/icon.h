#pragma once

#include <QImage>

namespace art {

// The program's icon for the desktop's menus, `size` pixels square, on a
// transparent ground.
QImage appIcon(int size);

// The sizes the desktop's icon theme gets.
inline constexpr int kIconSizes[] = {48, 64, 128, 256};

} // namespace art
