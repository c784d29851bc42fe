#pragma once

// Builds a screen's controls from its table rows, gives them their pictures
// at load and their texts on every language change, so that a screen's own
// code says only what is particular to it.

#include "helppage.h"
#include "keyorder.h"
#include "languagebinding.h"
#include "picturewidgets.h"
#include "rows.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QFrame;
class QLabel;

namespace mk {

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
    // A label whose text follows the language.
    void bindText(QLabel *label, const LangTexts *text) { m_texts.bindText(label, text); }

    // The keys every screen shares (sharedkeys.cpp). The ear switches sound
    // off and on and stores it.
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

    // The load every screen shares, in this order: centred, sunken edge,
    // the help page in place and the keys in reading order; `beforePictures`;
    // every row's picture; the saved brush (which writes the settings file);
    // `state`, the screen's own; the texts of the current language.
    void load(const std::function<void()> &beforePictures, const std::function<void()> &state);
    // The texts of the current language; a code outside the six, or a cell
    // that a language lacks, leaves what is shown.
    void applyLanguage() { m_texts.apply(); }

    HelpPage *help() const { return m_help.get(); }

    // Tab and Shift+Tab: the next or previous key in reading order that can
    // be pressed; false when there is none.
    bool focusNextKey(bool next) { return m_keys.focusNext(next); }

private:
    struct Picture
    {
        QWidget *control;
        QString file;
    };
    void bindRow(QWidget *control, const GroupRow &row, int index);

    QWidget *m_window;
    LanguageBinding m_texts;
    KeyOrder m_keys;
    std::vector<Picture> m_pictures;
    std::vector<QLabel *> m_coloured;
    bool m_hasBrushes = false;
    std::unique_ptr<HelpPage> m_help;
};

// The index-th element of an indexed group: "Zahl1" and 3 give "Zahl1_3".
QString indexedName(QStringView group, int index);

} // namespace mk
