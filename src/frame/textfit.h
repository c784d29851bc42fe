#pragma once

#include <QFont>
#include <QString>

class QLabel;

namespace mk {

// The friendly rounded font of the program's texts.
QFont textFont(int pointSize, bool bold = false);

// Writes `text` in the largest size from `largest` down to `smallest` in
// which all of it fits the label.
void fitText(QLabel *label, const QString &text, int largest, int smallest);

} // namespace mk
