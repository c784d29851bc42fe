#pragma once

#include "picturewidgets.h"
#include "window.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <array>
#include <optional>

class QDialog;
class QFrame;
class QLabel;
class QWidget;

namespace mk {

// The pieces every screen is built from, so that each screen only says
// what is particular to it.

// Sets the window's name and the fixed size of its client area.
void setUpWindow(QWidget *window, QStringView name, int widthTwips, int heightTwips);

// Child controls at their place in the layout, named as the layout names them.
PictureBox *addPictureBox(QWidget *parent, const Place &place);
PictureKey *addPictureKey(QWidget *parent, const Place &place,
                          PictureKey::Feedback feedback = PictureKey::Feedback::PictureAndCursor);
QLabel *addLabel(QWidget *parent, const Place &place);
QFrame *addFrame(QWidget *parent, const Place &place);
// A help page: a raised panel over the screen, hidden until its key opens
// it, with its title label; the screen adds the paragraphs.
QFrame *addHelpFrame(QWidget *parent, const Place &frame);
QLabel *addHelpTitle(QFrame *helpFrame, const Place &title);
// The index-th element of an indexed group: "Zahl1" and 3 give "Zahl1_3".
QString indexedName(QStringView group, int index);

// The friendly rounded font of the program's texts.
QFont textFont(int pointSize, bool bold = false);

// The picture of a multiplication sign ("x", "*", "."); empty for any other.
QString signPicture(const QString &malSymbol);

// The brushes: pictures and the colours they give the result digits.
inline constexpr int kBrushCount = 4;
QString brushPicture(int index);
std::optional<QColor> brushColour(int farbe);
void setTextColour(QLabel *label, const QColor &colour);

// Numbers in texts: plain "12", padded " 12" (a blank where a minus would stand).
QString plain(int n);
QString padded(int n);

// The ear key: toggles the sound switch, shows it and stores it.
void toggleSound(PictureKey *ear);

// The help key: shows or hides the help frame. Returns whether it is shown.
bool toggleHelp(QWidget *helpFrame, PictureKey *helpKey);

// The leave key of a screen opened from the start screen.
void leaveScreen(QDialog *screen);

} // namespace mk
