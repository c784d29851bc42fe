#include "pictures.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace art {

namespace {

const QColor operatorColour{255, 170, 60};
const QColor clearColour{245, 95, 95};

Paint symbolFace(Symbol symbol, qreal scale = 1.0)
{
    return [symbol, scale](QPainter &p, const QRectF &face) {
        const qreal s = std::min(face.width(), face.height()) * scale;
        drawSymbol(p, centred(face, s, s), symbol, {Qt::white, QColor(60, 40, 40), 0.09});
    };
}

Paint letterFace(const QString &text)
{
    return [text](QPainter &p, const QRectF &face) {
        drawText(p, centred(face, face.width(), face.height() * 0.7), text, {Qt::white, QColor(110, 20, 20), 0.14});
    };
}

} // namespace

Pictures calculatorPictures()
{
    const Key keys[] = {
        {u"TastePlus_normal.jpg"_s, u"TastePlus_gedrückt.jpg"_s, {49, 49}, operatorColour, symbolFace(Symbol::Plus)},
        {u"TasteMinus_normal.jpg"_s, u"TasteMinus_gedrückt.jpg"_s, {49, 49}, operatorColour,
         symbolFace(Symbol::Minus)},
        {u"TasteMal_normal.jpg"_s, u"TasteMal_gedrückt.jpg"_s, {49, 49}, operatorColour, symbolFace(Symbol::Times)},
        {u"TasteTeilen_normal.jpg"_s, u"TasteTeilen_gedrückt.jpg"_s, {49, 49}, operatorColour,
         symbolFace(Symbol::Divide)},
        {u"TasteKomma_normal.jpg"_s, u"TasteKomma_gedrückt.jpg"_s, {49, 49}, numberColour(0),
         symbolFace(Symbol::Dot)},
        {u"TasteResultatBreit_normal.jpg"_s, u"TasteResultatBreit_gedrückt.jpg"_s, {105, 49}, QColor(110, 200, 90),
         symbolFace(Symbol::Equals, 1.15)},
        {u"TasteC_normal.jpg"_s, u"TasteC_gedrückt.jpg"_s, {49, 49}, clearColour, letterFace(u"C"_s)},
        {u"TasteCE_normal.jpg"_s, u"TasteCE_gedrückt.jpg"_s, {49, 49}, clearColour, letterFace(u"CE"_s)},
        {u"0leer.jpg"_s, {}, {49, 49}, QColor(200, 205, 215), [](QPainter &, const QRectF &) {}},
    };
    Pictures pictures;
    for (const Key &key : keys)
        addKey(pictures, key);
    return pictures;
}

} // namespace art
