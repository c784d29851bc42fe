#pragma once

// What the keys every screen shares do: the ear, the leave key and the
// brushes. The kit builds them (ScreenKit::addEar, addLeave, addBrushes).

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QLabel;

namespace mk {

class PictureKey;

// The ear key: toggles the sound switch, shows it and stores it.
void toggleSound(PictureKey *ear);

// The leave key of a screen opened from the start screen.
void leaveScreen(QDialog *screen);

// The brushes: the colours they give the result digits (none for an index
// outside 0..3), and the colour of a label's text.
std::optional<QColor> brushColour(int farbe);
void setTextColour(QLabel *label, const QColor &colour);
QString brushPicture(int index);

} // namespace mk
