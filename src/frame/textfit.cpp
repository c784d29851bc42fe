#include "textfit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>

namespace mk {

QFont textFont(int pointSize, bool bold)
{
    // Asking whether the family exists would read every font on the machine;
    // a missing family simply falls back to the next one.
    QFont font;
    font.setFamilies({QStringLiteral("Comic Neue"), QGuiApplication::font().family()});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

void fitText(QLabel *label, const QString &text, int largest, int smallest)
{
    const QRect box = label->contentsRect();
    QFont font = label->font();
    int size = largest;
    for (; size > smallest; --size) {
        font.setPointSize(size);
        const QRect need = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        if (need.width() <= box.width() && need.height() <= box.height())
            break;
    }
    font.setPointSize(size);
    label->setFont(font);
    label->setText(text);
}

} // namespace mk
