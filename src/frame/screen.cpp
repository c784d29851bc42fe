#include "screen.h"

#include "window.h"

namespace mk {

Screen::Screen(QWidget *parent, const Row &row) : QDialog(parent)
{
    setUpWindow(this, row.name, row.width, row.height);
    setWindowTitle(QStringLiteral("Malkobold 1x1"));
}

bool Screen::focusNextPrevChild(bool next)
{
    return m_kit.focusNextKey(next) || QDialog::focusNextPrevChild(next);
}

void Screen::load()
{
    m_kit.load({}, [this] { loadState(); });
}

} // namespace mk
