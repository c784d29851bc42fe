#pragma once

#include "language.h"
#include "rows.h"

#include <cstddef>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QWidget;

namespace mk {

class PictureKey;

// The frame, the title and the paragraphs of a help page, and its key.
class HelpPage
{
public:
    HelpPage(QWidget *window, const HelpRow &row, const HelpTexts &texts);

    // Where the page stands once the screen has loaded.
    void place();
    // The help key: opens (sound, "leave" picture) or closes the page, and
    // writes the current language's texts on it.
    void toggle(PictureKey *helpKey);
    void hide();
    bool isOpen() const;
    // Called whenever the page opens or closes.
    void onOpenOrClose(std::function<void()> changed) { m_changed = std::move(changed); }
    QFrame *frame() const { return m_frame; }

private:
    void write(std::optional<std::size_t> language);

    HelpRow m_row;
    HelpTexts m_texts;
    std::function<void()> m_changed;
    QFrame *m_frame;
    QLabel *m_title;
    std::array<QLabel *, 3> m_paragraphs{};
    // The language the page was last written in: fitting long paragraphs
    // is the dearest part of opening it.
    std::optional<std::size_t> m_written;
};

} // namespace mk
