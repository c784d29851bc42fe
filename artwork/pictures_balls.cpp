#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace art {

namespace {

// The rod depends on the picture's height only, so places set edge to edge
// join into one bar.
void drawRod(QPainter &p, const QRectF &area)
{
    const qreal thickness = area.height() * 0.2;
    const QRectF rod(area.left(), area.center().y() - thickness / 2, area.width(), thickness);
    QLinearGradient wood(rod.topLeft(), rod.bottomLeft());
    wood.setColorAt(0, QColor(120, 75, 35));
    wood.setColorAt(0.3, QColor(225, 175, 110));
    wood.setColorAt(0.6, QColor(185, 125, 65));
    wood.setColorAt(1, QColor(95, 55, 25));
    p.fillRect(rod, wood);
}

Paint ball(const QColor &colour)
{
    return [colour](QPainter &p, const QRectF &area) {
        drawRod(p, area);
        drawBall(p, area.center() - QPointF(0.5, 0.5), area.width() * 0.43, colour);
    };
}

void letter(QPainter &p, const QRectF &area, const QString &text, const QColor &colour)
{
    const QRectF box = area.adjusted(area.width() * 0.08, area.height() * 0.1, -area.width() * 0.08,
                                     -area.height() * 0.1);
    drawText(p, box.translated(2, 2), text, {QColor(0, 0, 0, 60), QColor(0, 0, 0, 60), 0.12});
    drawText(p, box, text, {colour, colour.darker(250), 0.12});
}

Paint rowArrow(const QColor &colour)
{
    return [colour](QPainter &p, const QRectF &area) {
        drawArrow(p, centred(area, area.width() * 0.9, area.height() * 0.8), 0, colour);
    };
}

void drawBrush(QPainter &p, const QRectF &area, const QColor &paint)
{
    const qreal s = area.width();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(paint);
    p.drawEllipse(part(area, 0.02, 0.64, 0.56, 0.32));
    p.drawEllipse(part(area, 0.5, 0.8, 0.14, 0.12));

    p.translate(area.center() + QPointF(s * 0.02, -s * 0.04));
    p.rotate(45);
    p.scale(1.08, 1.08);
    const QPen edge(QColor(50, 40, 30), std::max(1.0, s * 0.025));

    QLinearGradient wood(QPointF(-s * 0.06, 0), QPointF(s * 0.06, 0));
    wood.setColorAt(0, QColor(170, 100, 40));
    wood.setColorAt(0.4, QColor(235, 170, 90));
    wood.setColorAt(1, QColor(150, 85, 30));
    p.setPen(edge);
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-s * 0.06, -s * 0.52, s * 0.12, s * 0.5), s * 0.05, s * 0.05);

    QLinearGradient metal(QPointF(-s * 0.09, 0), QPointF(s * 0.09, 0));
    metal.setColorAt(0, QColor(140, 140, 150));
    metal.setColorAt(0.4, QColor(240, 240, 245));
    metal.setColorAt(1, QColor(120, 120, 130));
    p.setBrush(metal);
    p.drawRect(QRectF(-s * 0.09, -s * 0.04, s * 0.18, s * 0.14));

    QPainterPath tip;
    tip.moveTo(-s * 0.09, s * 0.1);
    tip.cubicTo(-s * 0.13, s * 0.25, -s * 0.04, s * 0.36, 0, s * 0.44);
    tip.cubicTo(s * 0.04, s * 0.36, s * 0.13, s * 0.25, s * 0.09, s * 0.1);
    tip.closeSubpath();
    QLinearGradient bristle(QPointF(-s * 0.1, 0), QPointF(s * 0.1, 0));
    bristle.setColorAt(0, paint.lighter(paint.lightness() < 40 ? 400 : 140));
    bristle.setColorAt(1, paint.darker(130));
    p.setBrush(bristle);
    p.drawPath(tip);
    p.restore();
}

void board(QPainter &p, const QRectF &area)
{
    const QRectF frame = area.adjusted(1, 1, -1, -1);
    const qreal r = frame.height() * 0.22;
    QLinearGradient wood(frame.topLeft(), frame.bottomLeft());
    wood.setColorAt(0, QColor(205, 140, 75));
    wood.setColorAt(1, QColor(140, 85, 40));
    p.setPen(QPen(QColor(90, 50, 20), 1.5));
    p.setBrush(wood);
    p.drawRoundedRect(frame, r, r);
    const QRectF inner = frame.adjusted(4, 4, -4, -4);
    p.setPen(QPen(QColor(150, 100, 60), 1));
    p.setBrush(QColor(255, 252, 236));
    p.drawRoundedRect(inner, r * 0.6, r * 0.6);
}

} // namespace

void drawEraser(QPainter &p, const QRectF &box, qreal angle)
{
    const qreal w = box.width(), h = box.height() * 0.55;
    p.save();
    p.translate(box.center());
    p.rotate(angle);
    const QRectF body(-w / 2, -h / 2, w, h);
    const qreal r = h * 0.25;
    const QPen edge(QColor(40, 40, 70), std::max(1.0, h * 0.06));

    QPainterPath shape;
    shape.addRoundedRect(body, r, r);
    p.setClipPath(shape);
    QLinearGradient blue(body.topLeft(), body.bottomLeft());
    blue.setColorAt(0, QColor(110, 160, 255));
    blue.setColorAt(1, QColor(40, 80, 200));
    p.fillRect(part(body, 0, 0, 0.45, 1), blue);
    QLinearGradient pink(body.topLeft(), body.bottomLeft());
    pink.setColorAt(0, QColor(255, 170, 180));
    pink.setColorAt(1, QColor(230, 90, 110));
    p.fillRect(part(body, 0.45, 0, 0.55, 1), pink);
    p.fillRect(part(body, 0, 0.08, 1, 0.16), QColor(255, 255, 255, 90));
    p.setClipping(false);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.drawLine(QPointF(body.left() + w * 0.45, body.top()), QPointF(body.left() + w * 0.45, body.bottom()));
    p.restore();
}

Pictures ballsPictures()
{
    Pictures pictures;
    const std::pair<QString, QColor> balls[] = {
        {u"Kugel_violett.jpg"_s, {150, 60, 205}}, {u"Kugel_rot.jpg"_s, {230, 35, 35}},
        {u"Kugel_orange.jpg"_s, {255, 135, 0}},   {u"Kugel_gelb.jpg"_s, {255, 215, 0}},
        {u"Kugel_grün.jpg"_s, {70, 200, 50}},     {u"Kugel_tannengrün.jpg"_s, {0, 105, 60}},
        {u"Kugel_hellblau.jpg"_s, {90, 195, 255}}, {u"Kugel_blau.jpg"_s, {25, 65, 215}},
        {u"Kugel_grau.jpg"_s, {145, 145, 150}},
    };
    for (const auto &[file, colour] : balls)
        pictures.push_back({file, {49, 49}, ball(colour)});
    pictures.push_back({u"Kugel_Stange.jpg"_s, {49, 49}, drawRod});

    pictures.push_back({u"A.jpg"_s, {49, 57}, [](QPainter &p, const QRectF &area) {
                            letter(p, area, u"A"_s, QColor(240, 85, 80));
                        }});
    pictures.push_back({u"B.jpg"_s, {49, 57}, [](QPainter &p, const QRectF &area) {
                            letter(p, area, u"B"_s, QColor(60, 160, 230));
                        }});
    pictures.push_back({u"Pfeil_re.jpg"_s, {65, 57}, rowArrow(QColor(255, 140, 20))});
    pictures.push_back({u"grau.jpg"_s, {65, 57}, rowArrow(QColor(185, 185, 190))});

    addKey(pictures, {u"OK_Button.jpg"_s, u"OK_Button_gedrückt.jpg"_s, {185, 65}, QColor(120, 210, 90),
                      [](QPainter &p, const QRectF &face) { drawEmoji(p, face.adjusted(0, -1, 0, 1), u"👍"_s); }});
    addKey(pictures, {u"RadierButton.jpg"_s, u"RadierButton_gedrückt.jpg"_s, {97, 73}, QColor(200, 230, 255),
                      [](QPainter &p, const QRectF &face) {
                          drawEraser(p, centred(face, face.width() * 0.86, face.height()), -18);
                      }});

    const std::pair<QString, QColor> brushes[] = {
        {u"Pinsel_schwarz.jpg"_s, {0, 0, 0}},
        {u"Pinsel_rot.jpg"_s, {255, 0, 0}},
        {u"Pinsel_blau.jpg"_s, {72, 164, 232}},
        {u"Pinsel_grün.jpg"_s, {0, 192, 0}},
    };
    for (const auto &[file, colour] : brushes) {
        pictures.push_back({file, {49, 49}, [colour = colour](QPainter &p, const QRectF &area) {
                                drawBrush(p, area, colour);
                            }});
    }
    pictures.push_back({u"Schild_Ergebnisse.jpg"_s, {161, 49}, board});

    // Pictures the screen's layout carries itself: the arrows that point the
    // child to the thumb and to the eraser.
    pictures.push_back({u"Pfeil_runter.jpg"_s, {66, 47}, [](QPainter &p, const QRectF &area) {
                            drawArrow(p, centred(area, area.width() * 0.6, area.height() * 0.95), 90,
                                      QColor(255, 140, 20));
                        }});
    pictures.push_back({u"Pfeil_Radierer.jpg"_s, {66, 47}, [](QPainter &p, const QRectF &area) {
                            drawArrow(p, centred(area, area.width() * 0.9, area.height() * 0.8), 180,
                                      QColor(255, 140, 20));
                        }});
    return pictures;
}

} // namespace art
