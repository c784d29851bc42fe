#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::StringLiterals;

namespace art {

namespace {

const QColor signKeyColour{255, 224, 130};
const QColor exitKeyColour{255, 150, 175};
const QColor helpKeyColour{140, 200, 255};

struct Stripe
{
    QColor colour;
    qreal share;
};

// Flag-like stripes, horizontal or vertical, over the whole key surface.
Paint stripes(Qt::Orientation orientation, std::vector<Stripe> bands)
{
    return [orientation, bands](QPainter &p, const QRectF &key) {
        qreal total = 0;
        for (const Stripe &band : bands)
            total += band.share;
        qreal at = 0;
        for (const Stripe &band : bands) {
            const qreal from = at / total, length = band.share / total;
            p.fillRect(orientation == Qt::Horizontal ? part(key, 0, from, 1, length + 0.01)
                                                     : part(key, from, 0, length + 0.01, 1),
                       band.colour);
            at += band.share;
        }
    };
}

void unionFlag(QPainter &p, const QRectF &key)
{
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(key, blue);
    const qreal w = key.height() * 0.16;
    p.setPen(QPen(Qt::white, w * 1.3));
    p.drawLine(key.topLeft(), key.bottomRight());
    p.drawLine(key.topRight(), key.bottomLeft());
    p.setPen(QPen(red, w * 0.45));
    p.drawLine(key.topLeft(), key.bottomRight());
    p.drawLine(key.topRight(), key.bottomLeft());
    p.fillRect(centred(key, key.width(), w * 2), Qt::white);
    p.fillRect(centred(key, w * 2, key.height()), Qt::white);
    p.fillRect(centred(key, key.width(), w * 1.2), red);
    p.fillRect(centred(key, w * 1.2, key.height()), red);
}

Paint languageKey(const QString &code, const Paint &flag)
{
    return [code, flag](QPainter &p, const QRectF &area) {
        const QRectF face = drawKey(p, area, Qt::white, Press::Up, flag);
        const qreal h = face.height() * (code.size() > 1 ? 0.62 : 0.8);
        drawText(p, centred(face, face.width() * 1.1, h), code, {Qt::white, ink, 0.16});
    };
}

void signFace(QPainter &p, const QRectF &face, Symbol sign)
{
    drawEmoji(p, part(face, -0.04, 0.05, 0.56, 0.9), u"👉"_s);
    const qreal size = std::min(face.width() * 0.46, face.height() * 1.0);
    drawSymbol(p, centred(part(face, 0.52, 0, 0.48, 1), size, size), sign, {QColor(220, 40, 60), ink, 0.1});
}

void numberFace(QPainter &p, const QRectF &face, int n)
{
    const qreal h = face.height() * 0.86;
    drawText(p, centred(face, face.width() * 1.02, h), QString::number(n),
             {Qt::white, numberColour(n).darker(260), 0.14});
}

void ballsFace(QPainter &p, const QRectF &face)
{
    drawEmoji(p, part(face, 0, 0.1, 0.28, 0.95), u"🫴"_s);
    const QRectF row = part(face, 0.28, 0, 0.72, 0.8);
    const QColor colours[] = {{150, 70, 200}, {230, 40, 40}, {255, 140, 0}, {255, 215, 0}, {60, 190, 60}};
    const qreal step = row.width() / 5;
    const qreal radius = std::min(step * 0.47, row.height() * 0.42);
    p.setPen(QPen(QColor(120, 80, 40), radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.right(), row.center().y()));
    for (int i = 0; i < 5; ++i)
        drawBall(p, QPointF(row.left() + step * (i + 0.5), row.center().y()), radius, colours[i]);
}

void seriesFace(QPainter &p, const QRectF &face)
{
    const QString lines[] = {u"1x1"_s, u"2x1"_s, u"3x1"_s};
    const qreal h = face.height() / 3;
    for (int i = 0; i < 3; ++i)
        drawText(p, centred(part(face, 0, (i - 0.1) / 2.8, 1, 1 / 2.8), face.width() * 0.85, h * 1.02), lines[i],
                 {QColor(25, 60, 160), Qt::white, 0.1});
}

void calculatorFace(QPainter &p, const QRectF &face)
{
    const QRectF body = centred(face, face.width() * 0.78, face.height() * 0.98);
    const qreal r = body.width() * 0.14;
    p.setPen(QPen(QColor(40, 45, 60), std::max(1.0, body.width() * 0.03)));
    QLinearGradient metal(body.topLeft(), body.bottomRight());
    metal.setColorAt(0, QColor(110, 120, 145));
    metal.setColorAt(1, QColor(60, 68, 90));
    p.setBrush(metal);
    p.drawRoundedRect(body, r, r);

    const QRectF display = part(body, 0.12, 0.08, 0.76, 0.22);
    p.setPen(QPen(QColor(40, 60, 40), 1));
    p.setBrush(QColor(190, 230, 180));
    p.drawRoundedRect(display, r * 0.4, r * 0.4);
    drawText(p, part(display, 0.3, 0.16, 0.62, 0.68), u"1x1"_s, {QColor(30, 60, 30), Qt::white, 0});

    const QColor keys[] = {Qt::white, Qt::white, QColor(255, 160, 60)};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF cell = part(body, 0.1 + col * 0.27, 0.37 + row * 0.155, 0.23, 0.12);
            p.setPen(Qt::NoPen);
            p.setBrush(row == 3 && col == 2 ? QColor(120, 210, 110) : keys[col]);
            p.drawRoundedRect(cell, cell.height() * 0.3, cell.height() * 0.3);
        }
    }
}

enum class Ear { Plain, Loud, Off };

Paint earKey(Ear ear)
{
    return keyPicture(QColor(170, 225, 150), Press::Up, [ear](QPainter &p, const QRectF &face) {
        const QRectF earBox = part(face, ear == Ear::Plain ? 0.2 : 0.08, 0, 0.6, 1);
        drawEmoji(p, earBox, u"👂"_s);
        if (ear == Ear::Loud) {
            p.setBrush(Qt::NoBrush);
            const QPointF c(face.left() + face.width() * 0.5, face.center().y());
            for (int i = 0; i < 3; ++i) {
                const qreal r = face.height() * (0.18 + 0.15 * i);
                p.setPen(QPen(QColor(255, 255, 255), face.height() * 0.12, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
                p.setPen(QPen(QColor(30, 110, 220), face.height() * 0.07, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
            }
        } else if (ear == Ear::Off) {
            const qreal s = face.height() * 0.85;
            drawCross(p, centred(part(face, 0.58, 0, 0.42, 1), s, s), QColor(225, 20, 30));
        }
    });
}

void helpFace(QPainter &p, const QRectF &face)
{
    drawEmoji(p, face.adjusted(face.width() * 0.05, 0, -face.width() * 0.05, 0), u"❓"_s);
}

void leaveHelpFace(QPainter &p, const QRectF &face)
{
    const qreal s = std::min(face.width(), face.height()) * 0.95;
    const QRectF disc = centred(face, s, s);
    QRadialGradient red(disc.center() - QPointF(s * 0.15, s * 0.2), s * 0.7);
    red.setColorAt(0, QColor(255, 110, 100));
    red.setColorAt(1, QColor(200, 20, 30));
    p.setPen(QPen(QColor(120, 0, 10), s * 0.05));
    p.setBrush(red);
    p.drawEllipse(disc);
    p.setPen(QPen(Qt::white, s * 0.16, Qt::SolidLine, Qt::RoundCap));
    const QRectF x = centred(disc, s * 0.42, s * 0.42);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

void leavingFace(QPainter &p, const QRectF &face)
{
    drawEmoji(p, part(face, 0, 0, 0.55, 1), u"👧"_s);
    drawArrow(p, part(face, 0.56, 0.18, 0.44, 0.64), 0, QColor(60, 190, 70));
}

void gnome(QPainter &p, const QRectF &area)
{
    const QRectF panel = area.adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = panel.width() * 0.16;
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, QColor(150, 215, 255));
    sky.setColorAt(0.75, QColor(220, 245, 255));
    p.setPen(QPen(QColor(70, 120, 170), 2));
    p.setBrush(sky);
    p.drawRoundedRect(panel, radius, radius);

    p.save();
    QPainterPath clip;
    clip.addRoundedRect(panel, radius, radius);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 200, 90));
    p.drawEllipse(part(panel, -0.3, 0.86, 1.6, 0.4));
    p.setPen(QPen(QColor(70, 120, 170), 2));
    p.restore();

    auto at = [&](qreal x, qreal y) { return QPointF(area.left() + x * area.width(), area.top() + y * area.height()); };
    const QColor skin(255, 212, 170), hat(225, 40, 45), beard(250, 250, 250), coat(40, 150, 90);
    const QPen line(QColor(60, 40, 40), std::max(1.0, area.width() * 0.018), Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin);

    p.setPen(line);
    p.setBrush(QColor(120, 70, 40));
    p.drawEllipse(part(area, 0.26, 0.86, 0.22, 0.08));
    p.drawEllipse(part(area, 0.52, 0.86, 0.22, 0.08));

    QPainterPath body;
    body.moveTo(at(0.34, 0.5));
    body.lineTo(at(0.66, 0.5));
    body.lineTo(at(0.78, 0.89));
    body.lineTo(at(0.22, 0.89));
    body.closeSubpath();
    p.setBrush(coat);
    p.drawPath(body);

    QPainterPath whiskers;
    whiskers.moveTo(at(0.3, 0.42));
    whiskers.cubicTo(at(0.28, 0.62), at(0.42, 0.68), at(0.5, 0.7));
    whiskers.cubicTo(at(0.58, 0.68), at(0.72, 0.62), at(0.7, 0.42));
    whiskers.closeSubpath();
    p.setBrush(beard);
    p.drawPath(whiskers);

    p.setBrush(skin);
    p.drawEllipse(part(area, 0.3, 0.28, 0.4, 0.22));
    p.drawEllipse(part(area, 0.22, 0.34, 0.1, 0.09));
    p.drawEllipse(part(area, 0.68, 0.34, 0.1, 0.09));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 150, 160));
    p.drawEllipse(part(area, 0.33, 0.4, 0.09, 0.05));
    p.drawEllipse(part(area, 0.58, 0.4, 0.09, 0.05));
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(part(area, 0.39, 0.34, 0.06, 0.05));
    p.drawEllipse(part(area, 0.55, 0.34, 0.06, 0.05));
    p.setBrush(Qt::white);
    p.drawEllipse(part(area, 0.405, 0.345, 0.02, 0.017));
    p.drawEllipse(part(area, 0.565, 0.345, 0.02, 0.017));
    p.setPen(line);
    p.setBrush(QColor(240, 140, 120));
    p.drawEllipse(part(area, 0.44, 0.38, 0.12, 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawArc(part(area, 0.42, 0.42, 0.16, 0.08), -20 * 16, -140 * 16);

    QPainterPath cap;
    cap.moveTo(at(0.26, 0.33));
    cap.cubicTo(at(0.32, 0.2), at(0.46, 0.1), at(0.7, 0.03));
    cap.cubicTo(at(0.64, 0.14), at(0.7, 0.24), at(0.74, 0.33));
    cap.cubicTo(at(0.6, 0.29), at(0.4, 0.29), at(0.26, 0.33));
    cap.closeSubpath();
    QLinearGradient capShade(at(0.3, 0.1), at(0.7, 0.3));
    capShade.setColorAt(0, hat.lighter(130));
    capShade.setColorAt(1, hat.darker(120));
    p.setBrush(capShade);
    p.drawPath(cap);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(at(0.7, 0.03), area.width() * 0.045, area.width() * 0.045);

    const QRectF board = part(area, 0.14, 0.58, 0.72, 0.22);
    p.setPen(QPen(QColor(110, 65, 30), std::max(1.5, area.width() * 0.03)));
    p.setBrush(QColor(255, 244, 205));
    p.drawRoundedRect(board, board.height() * 0.2, board.height() * 0.2);
    drawText(p, board.adjusted(board.width() * 0.1, board.height() * 0.14, -board.width() * 0.1,
                               -board.height() * 0.14),
             u"1x1"_s, {QColor(220, 40, 50), QColor(120, 20, 20), 0.06});
    p.setPen(line);
    p.setBrush(skin);
    p.drawEllipse(part(area, 0.08, 0.64, 0.11, 0.09));
    p.drawEllipse(part(area, 0.81, 0.64, 0.11, 0.09));
}

// The digits stand in the upper part of their picture: the die key reaches
// up over the lower part of the 3.
void bigDigit(QPainter &p, const QRectF &area, int n)
{
    const QRectF box = area.adjusted(area.width() * 0.1, area.height() * 0.02, -area.width() * 0.1,
                                     -area.height() * 0.28);
    drawText(p, box.translated(2, 2), QString::number(n), {QColor(0, 0, 0, 60), QColor(0, 0, 0, 60), 0.12});
    drawText(p, box, QString::number(n), {numberColour(n), numberColour(n).darker(250), 0.12});
}

} // namespace

QColor numberColour(int n)
{
    static const QColor palette[] = {
        {150, 160, 185}, {240, 85, 80},  {250, 145, 55}, {235, 190, 30},  {140, 200, 60}, {50, 185, 100},
        {40, 180, 175},  {60, 160, 230}, {95, 120, 230}, {160, 105, 220}, {230, 100, 170},
    };
    return palette[n % 11];
}

Pictures startPictures()
{
    Pictures pictures;
    pictures.push_back({u"TitelPic.jpg"_s, {105, 129}, gnome});

    struct Language
    {
        QString file;
        QString code;
        Paint flag;
    };
    const Language languages[] = {
        {u"DE_normal.jpg"_s, u"D"_s,
         stripes(Qt::Horizontal, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}})},
        {u"Engl_normal.jpg"_s, u"E"_s, unionFlag},
        {u"Sp_normal.jpg"_s, u"S"_s,
         stripes(Qt::Horizontal, {{QColor(198, 11, 30), 1}, {QColor(255, 196, 0), 2}, {QColor(198, 11, 30), 1}})},
        {u"F_normal.jpg"_s, u"F"_s,
         stripes(Qt::Vertical, {{QColor(0, 85, 164), 1}, {Qt::white, 1}, {QColor(239, 65, 53), 1}})},
        {u"NL_normal.jpg"_s, u"NL"_s,
         stripes(Qt::Horizontal, {{QColor(174, 28, 40), 1}, {Qt::white, 1}, {QColor(33, 70, 139), 1}})},
        {u"I_normal.jpg"_s, u"I"_s,
         stripes(Qt::Vertical, {{QColor(0, 146, 70), 1}, {Qt::white, 1}, {QColor(206, 43, 55), 1}})},
    };
    for (const Language &language : languages)
        pictures.push_back({language.file, {49, 49}, languageKey(language.code, language.flag)});

    pictures.push_back({u"SprachenWahlButton_Pfeil.jpg"_s, {49, 49}, [](QPainter &p, const QRectF &area) {
                            drawArrow(p, centred(area, area.width() * 0.7, area.height() * 0.9), 90,
                                      QColor(255, 120, 30));
                        }});
    pictures.push_back({u"SprachenWahlButton_leer.jpg"_s, {49, 49}, [](QPainter &, const QRectF &) {}});

    const std::pair<QString, Symbol> signs[] = {
        {u"START_X"_s, Symbol::Times}, {u"START_Stern"_s, Symbol::Star}, {u"START_Punkt"_s, Symbol::Dot}};
    for (const auto &[name, sign] : signs) {
        addKey(pictures, {name + u".jpg"_s, name + u"_G.jpg"_s, {81, 57}, signKeyColour,
                          [sign = sign](QPainter &p, const QRectF &face) { signFace(p, face, sign); }});
    }

    for (int n = 0; n <= 10; ++n) {
        const QString stem = u"%1"_s.arg(n, 2, 10, QLatin1Char('0'));
        // 0 is only on the calculator and the series keypad (49 px); 1..10
        // are largest on the balls screen (57 px).
        const int size = n == 0 ? 49 : 57;
        addKey(pictures, {stem + u"n.jpg"_s, stem + u"g.jpg"_s, {size, size}, numberColour(n),
                          [n](QPainter &p, const QRectF &face) { numberFace(p, face, n); }});
    }

    const Key keys[] = {
        {u"KugelnTaste_normal.jpg"_s, u"KugelnTaste_gedrückt.jpg"_s, {177, 57}, QColor(150, 215, 255), ballsFace},
        {u"PButton_normal.jpg"_s, u"PunktButton_gedrückt.jpg"_s, {81, 57}, QColor(255, 236, 160), seriesFace},
        {u"Taschenrechner_normal.jpg"_s, u"Taschenrechner_gedrückt.jpg"_s, {81, 89}, QColor(255, 215, 120),
         calculatorFace},
        {u"Web_normal.jpg"_s, u"Web_gedrückt.jpg"_s, {49, 49}, QColor(150, 220, 255),
         [](QPainter &p, const QRectF &face) { drawEmoji(p, face.adjusted(-1, -1, 1, 1), u"🌍"_s); }},
        {u"HelpButton.jpg"_s, u"HelpButton_gedrückt.jpg"_s, {65, 65}, helpKeyColour, helpFace},
        {u"HelpPage_Leave.jpg"_s, {}, {65, 65}, helpKeyColour, leaveHelpFace},
        {u"EndeButton_N.jpg"_s, u"EndeButton_G.jpg"_s, {81, 57}, exitKeyColour, leavingFace},
        {u"ExitButton.jpg"_s, u"ExitButton_gedrückt.jpg"_s, {81, 57}, exitKeyColour, leavingFace},
    };
    for (const Key &key : keys)
        addKey(pictures, key);

    pictures.push_back({u"OhrN.jpg"_s, {81, 57}, earKey(Ear::Plain)});
    pictures.push_back({u"OhrN_gedrückt.jpg"_s, {81, 57}, earKey(Ear::Loud)});
    pictures.push_back({u"OhrX_gedrückt.jpg"_s, {81, 57}, earKey(Ear::Off)});

    for (int n = 1; n <= 3; ++n) {
        pictures.push_back({u"Digit%1.jpg"_s.arg(n, 2, 10, QLatin1Char('0')), {57, 65},
                            [n](QPainter &p, const QRectF &area) { bigDigit(p, area, n); }});
    }

    const std::pair<QString, Symbol> chosen[] = {
        {u"Fläche_malX.jpg"_s, Symbol::Times}, {u"Fläche_malS.jpg"_s, Symbol::Star}, {u"Fläche_malPunkt.jpg"_s, Symbol::Dot}};
    for (const auto &[file, sign] : chosen) {
        pictures.push_back({file, {65, 57}, [sign = sign](QPainter &p, const QRectF &area) {
                                drawSign(p, drawTaskTile(p, area), sign);
                            }});
    }
    return pictures;
}

} // namespace art
