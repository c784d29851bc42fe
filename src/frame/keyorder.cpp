#include "keyorder.h"

#include "picturewidgets.h"

#include <QApplication>

#include <algorithm>
#include <utility>

namespace mk {

void KeyOrder::collect(QWidget *window)
{
    m_keys.clear();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if ((qobject_cast<PictureKey *>(w) || qobject_cast<KeyLabel *>(w)) && (w->focusPolicy() & Qt::TabFocus))
            m_keys.push_back(w);
    }
    auto at = [window](const QWidget *w) {
        const QPoint p = w->mapTo(window, QPoint(0, 0));
        return std::pair{p.y(), p.x()};
    };
    std::stable_sort(m_keys.begin(), m_keys.end(), [&at](const QWidget *a, const QWidget *b) { return at(a) < at(b); });
    window->setFocus(Qt::OtherFocusReason);
}

bool KeyOrder::focusNext(bool next)
{
    const auto n = static_cast<std::ptrdiff_t>(m_keys.size());
    if (n == 0)
        return false;
    const auto current = std::find(m_keys.begin(), m_keys.end(), QApplication::focusWidget());
    std::ptrdiff_t i = current == m_keys.end() ? (next ? -1 : n) : current - m_keys.begin();
    for (std::ptrdiff_t step = 0; step < n; ++step) {
        i = ((next ? i + 1 : i - 1) % n + n) % n;
        QWidget *key = m_keys[static_cast<std::size_t>(i)];
        if (key->isVisible() && key->isEnabled()) {
            key->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace mk
