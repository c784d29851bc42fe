#pragma once

#include <QString>

// Numbers in texts, written as the screens write them. No widgets.
namespace mk {

// Plain decimal: "12".
inline QString plain(int n)
{
    return QString::number(n);
}

// With a blank where a minus would stand: " 12", "-3".
inline QString padded(int n)
{
    return n < 0 ? QString::number(n) : u' ' + QString::number(n);
}

} // namespace mk
