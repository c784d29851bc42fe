#pragma once

// The pieces every screen is built from. A screen describes its keys,
// pictures and help page as table rows; the kit builds them, gives them
// their pictures at load and their texts on every language change, so that
// a screen's own code says only what is particular to it.

#include "language.h"
#include "layout.h"
#include "numbers.h"
#include "picturewidgets.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QFrame;
class QLabel;

namespace mk {

using Feedback = PictureKey::Feedback;

// A text that depends on the language and on the index of a group element.
using IndexedText = QString (*)(std::size_t language, int index);
// A picture that depends on the index of a group element.
using IndexedPicture = QString (*)(int index);

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
    // Lays the page out and draws it ahead in the current language, off
    // the user-interface thread.
    void prepare();
    // Called whenever the page opens or closes.
    void onOpenOrClose(std::function<void()> changed) { m_changed = std::move(changed); }
    QFrame *frame() const { return m_frame; }

private:
    HelpRow m_row;
    HelpTexts m_texts;
    std::function<void()> m_changed;
    QFrame *m_frame;
    QLabel *m_title;
    std::array<QLabel *, 3> m_paragraphs{};
};

// Builds a screen's controls from its rows and keeps what each row says for
// load and for every language change.
class ScreenKit
{
public:
    explicit ScreenKit(QWidget *window) : m_window(window) {}

    PictureKey *addKey(const KeyRow &row, std::function<void()> onClick = {});
    std::vector<PictureKey *> addGroup(const GroupRow &row, const std::function<void(int)> &onClick = {});
    PictureBox *addPicture(const Place &place, QStringView picture = {}, const LangTexts *tip = nullptr);
    std::vector<PictureBox *> addPictures(const GroupRow &row);
    QLabel *addLabel(const Place &place, int points, bool bold = false, QWidget *parent = nullptr);
    // A label the child clicks like a key (a list entry).
    KeyLabel *addKeyLabel(const Place &place, int points, std::function<void()> onClick = {});
    QFrame *addFrame(const Place &place, QWidget *parent = nullptr);

    // The ear: switches sound off and on and stores it.
    PictureKey *addEar(const Place &place, const LangTexts *tip = nullptr);
    // The help key and its page; the page is raised over the screen
    // whenever it opens.
    PictureKey *addHelp(const KeyRow &key, const HelpRow &page, const HelpTexts &texts);
    // The leave key of a screen opened from the start screen.
    PictureKey *addLeave(const KeyRow &key, QDialog *screen);
    // The four brushes: a brush colours the labels given to colourWithBrush
    // and stores the choice. Screens differ in how a brush answers a press
    // and in which brushes carry a tooltip (none: no tooltip).
    std::vector<PictureKey *> addBrushes(const std::array<Place, 4> &places, Feedback feedback = Feedback::None,
                                         IndexedText tip = nullptr);
    void colourWithBrush(QLabel *label);
    void chooseColour(int farbe);
    bool hasBrushes() const { return m_hasBrushes; }

    // A control whose tooltip or text follows the language.
    void bindTip(QWidget *control, const LangTexts *tip);
    void bindTip(QWidget *control, IndexedText tip, int index);
    void bindText(QLabel *label, const LangTexts *text);
    // The role name of a key without a tooltip, in the current language.
    void bindName(PictureKey *key, const LangTexts *name);
    void bindName(PictureKey *key, IndexedText name, int index);
    // A key whose picture shows a state says it in its description.
    void bindState(QWidget *control, std::function<bool()> isOn, const LangTexts *on, const LangTexts *off);
    void describeStates();

    // Load: the centred, sunken-edged window with every row's picture, and
    // the keys in reading order for the keyboard. Once the window has first
    // been painted, the pictures its keys show when pressed are decoded
    // meanwhile, so that no first press waits for a decoding.
    void loadHead();
    void showPictures();
    // The tooltips, texts and names of the current language; a code outside
    // the six, or a cell that a language lacks, leaves what is shown.
    void applyLanguage();

    HelpPage *help() const { return m_help.get(); }

    // Tab and Shift+Tab: the next or previous key in reading order that can
    // be pressed; false when there is none.
    bool focusNextKey(bool next);

private:
    enum class Writes { Tip, Text, Name };
    struct Binding
    {
        QWidget *control;
        const LangTexts *texts;
        IndexedText indexed;
        int index;
        Writes writes;
    };
    struct State
    {
        QWidget *control;
        std::function<bool()> isOn;
        const LangTexts *on;
        const LangTexts *off;
    };
    struct Picture
    {
        QWidget *control;
        QString file;
    };

    QWidget *m_window;
    void orderKeys();
    void prepareAfterFirstPaint();
    void preparePictures();

    std::vector<Binding> m_bindings;
    std::vector<QWidget *> m_tabOrder;
    std::vector<State> m_states;
    std::vector<Picture> m_pictures;
    // Pictures a click sets on a key (the ear's, the open help page's).
    std::vector<std::pair<PictureKey *, QString>> m_clickPictures;
    bool m_preparing = false;
    bool m_painted = false;
    std::vector<QLabel *> m_coloured;
    bool m_hasBrushes = false;
    std::unique_ptr<HelpPage> m_help;
};

// A screen opened from the start screen: a dialog with its name and size,
// built on the kit.
class Screen : public QDialog
{
    Q_OBJECT

public:
    struct Row
    {
        QStringView name;
        int width;
        int height;
    };

protected:
    Screen(QWidget *parent, const Row &row);

    // The load every screen shares, in this order: centred, sunken edge and
    // the help page in place; every row's picture; the saved brush (which
    // writes the settings file); the screen's own state; the texts of the
    // current language. The screen's constructor calls it last.
    void load();
    virtual void loadState() {}
    bool focusNextPrevChild(bool next) override;

    ScreenKit m_kit{this};
};

// Sets the window's name, the fixed size of its client area and its colours.
void setUpWindow(QWidget *window, QStringView name, int widthTwips, int heightTwips);

// The index-th element of an indexed group: "Zahl1" and 3 give "Zahl1_3".
QString indexedName(QStringView group, int index);

// The cell of the current language; none for a code outside the six or a
// cell the language lacks (kMissing).
std::optional<QString> cell(const LangTexts &texts, std::optional<std::size_t> language);

// The friendly rounded font of the program's texts.
QFont textFont(int pointSize, bool bold = false);

// Writes `text` in the largest size from `largest` down to `smallest` in
// which all of it fits the label.
void fitText(QLabel *label, const QString &text, int largest, int smallest);

// The brushes: the colours they give the result digits (none for an index
// outside 0..3), and the colour of a label's text.
std::optional<QColor> brushColour(int farbe);
void setTextColour(QLabel *label, const QColor &colour);

// The ear key: toggles the sound switch, shows it and stores it.
void toggleSound(PictureKey *ear);

// The leave key of a screen opened from the start screen.
void leaveScreen(QDialog *screen);

} // namespace mk
