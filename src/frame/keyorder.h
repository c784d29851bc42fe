#pragma once

#include <vector>

class QWidget;

namespace mk {

// Tab and Shift+Tab over a window's keys in reading order: line by line
// from the top, each line from the left.
class KeyOrder
{
public:
    // Takes the window's keys as they stand now; the window itself holds
    // the focus until Tab brings it to the first key, so that no key is
    // pressed by a Space nobody aimed.
    void collect(QWidget *window);
    // Focuses the next or previous key that can be pressed; false when
    // there is none.
    bool focusNext(bool next);

private:
    std::vector<QWidget *> m_keys;
};

} // namespace mk
