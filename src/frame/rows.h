#pragma once

// The table rows a screen describes its keys, pictures and help page with.
// Plain data: a layout table includes this and no widget.

#include "feedback.h"
#include "language.h"
#include "layout.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

namespace mk {

// A text that depends on the language and on the index of a group element.
using IndexedText = QString (*)(std::size_t language, int index);
// A picture that depends on the index of a group element.
using IndexedPicture = QString (*)(int index);

// A screen's window: its name and the size of its client area.
struct ScreenRow
{
    QStringView name;
    int width;
    int height;
};

// A key: its place, its pictures at rest and pressed (empty: the screen sets
// them itself), how it answers a press, its tooltip (none: no tooltip), and
// for a key without a tooltip the name of its role for assistive technology.
struct KeyRow
{
    Place place;
    QStringView normal;
    QStringView pressed;
    Feedback feedback = Feedback::PictureAndCursor;
    const LangTexts *tip = nullptr;
    const LangTexts *name = nullptr;
};

// An indexed group of keys (or pictures) built from one row. Elements whose
// places all carry one name are named "name_i"; elements with names of their
// own (the calculator's digits) keep them.
struct GroupRow
{
    const Place *places;
    int count;
    IndexedPicture normal = nullptr;
    IndexedPicture pressed = nullptr;
    Feedback feedback = Feedback::PictureAndCursor;
    IndexedText tip = nullptr;
    IndexedText name = nullptr;
};

template<std::size_t N>
constexpr GroupRow groupRow(const std::array<Place, N> &places, IndexedPicture normal,
                            IndexedPicture pressed, Feedback feedback, IndexedText tip,
                            IndexedText name = nullptr)
{
    return GroupRow{places.data(), static_cast<int>(N), normal, pressed, feedback, tip, name};
}

// A help page: its frame (hidden until the help key opens it), title and
// paragraphs as the layout has them, and where the frame stands after load.
struct HelpRow
{
    Place frame;
    Place title;
    std::array<Place, 3> paragraphs;
    int paragraphCount;
    int left;
    int top;
    int paragraphPoints;   // the size a paragraph is written in
    int smallestPoints;    // a long paragraph shrinks down to this
};

struct HelpTexts
{
    const LangTexts *title;
    std::array<const LangTexts *, 3> paragraphs;
};

} // namespace mk
