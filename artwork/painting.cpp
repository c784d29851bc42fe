#include "painting.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace art {

namespace {

qreal extent(const QRectF &r)
{
    return std::min(r.width(), r.height());
}

// How far a pressed key sinks, and the room the raised key's shadow needs.
qreal sink(const QRectF &area)
{
    return std::max(2.0, std::round(extent(area) * 0.045));
}

qreal outlineWidth(const QRectF &area)
{
    return std::max(1.3, extent(area) * 0.035);
}

QRectF keyRect(const QRectF &area)
{
    const qreal margin = std::max(1.0, extent(area) * 0.02);
    const qreal s = sink(area);
    return area.adjusted(margin, margin, -margin - s, -margin - s);
}

QPainterPath keyShape(const QRectF &rect)
{
    QPainterPath path;
    const qreal radius = extent(rect) * 0.26;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// Lays a shadow over whatever is inside the key, so its face looks pressed in.
void darkenKey(QPainter &p, const QRectF &area)
{
    const QRectF key = keyRect(area).translated(sink(area), sink(area));
    p.fillPath(keyShape(key), QColor(0, 0, 40, 38));
}

const QString textFamily = u"Comic Neue"_s;
const QString emojiFamily = u"Noto Color Emoji"_s;

QPainterPath textPath(const QString &text)
{
    QFont font(textFamily);
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QRectF faceOf(const QRectF &key, const QRectF &area)
{
    const qreal pad = outlineWidth(area) + extent(area) * 0.07;
    return key.adjusted(pad, pad, -pad, -pad);
}

QImage emojiImage(const QString &emoji)
{
    static QHash<QString, QImage> cache;
    const auto found = cache.constFind(emoji);
    if (found != cache.constEnd())
        return *found;

    // 109 px is the size the colour bitmaps are drawn for; scaling down
    // from there keeps them crisp.
    QImage canvas(400, 200, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        QFont font(emojiFamily);
        font.setPixelSize(109);
        p.setFont(font);
        p.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const QImage cropped = right < 0 ? QImage() : canvas.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
    cache.insert(emoji, cropped);
    return cropped;
}

void fillBody(QPainter &p, const QRectF &key, const QColor &colour, Press press, const Paint &body)
{
    const QPainterPath shape = keyShape(key);
    QLinearGradient light(key.topLeft(), key.bottomLeft());
    if (body) {
        p.save();
        p.setClipPath(shape);
        body(p, key);
        p.restore();
        light.setColorAt(0, QColor(255, 255, 255, press == Press::Up ? 70 : 0));
        light.setColorAt(1, QColor(0, 0, 0, press == Press::Up ? 45 : 80));
    } else if (press == Press::Up) {
        light.setColorAt(0, colour.lighter(135));
        light.setColorAt(0.55, colour);
        light.setColorAt(1, colour.darker(120));
    } else {
        light.setColorAt(0, colour.darker(128));
        light.setColorAt(1, colour.darker(106));
    }
    p.fillPath(shape, light);
}

} // namespace

QRectF centred(const QRectF &area, qreal width, qreal height)
{
    return {area.center().x() - width / 2, area.center().y() - height / 2, width, height};
}

QRectF part(const QRectF &area, qreal left, qreal top, qreal width, qreal height)
{
    return {area.x() + left * area.width(), area.y() + top * area.height(), width * area.width(),
            height * area.height()};
}

QStringList missingFonts()
{
    QStringList missing;
    for (const QString &family : {textFamily, emojiFamily}) {
        if (!QFontDatabase::hasFamily(family))
            missing << family;
    }
    return missing;
}

QImage render(const Picture &picture, int scale)
{
    QImage image(picture.size * scale, QImage::Format_RGB32);
    image.fill(windowColour);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    p.scale(scale, scale);
    picture.paint(p, QRectF(QPointF(0, 0), QSizeF(picture.size)));
    return image;
}

QRectF drawKey(QPainter &p, const QRectF &area, const QColor &colour, Press press, const Paint &body)
{
    p.save();
    const qreal s = sink(area);
    const qreal ow = outlineWidth(area);
    QRectF key = keyRect(area);

    if (press == Press::Up) {
        const QPainterPath shadow = keyShape(key.translated(s * 0.8, s));
        p.fillPath(shadow, QColor(0, 0, 0, 55));
        p.fillPath(keyShape(key.translated(s * 0.4, s * 0.5).adjusted(-0.5, -0.5, 0.5, 0.5)), QColor(0, 0, 0, 30));

        fillBody(p, key, colour, press, body);

        const QRectF shine = key.adjusted(ow * 1.6, ow * 1.3, -ow * 1.6, -key.height() * 0.5);
        QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
        gloss.setColorAt(0, QColor(255, 255, 255, 170));
        gloss.setColorAt(1, QColor(255, 255, 255, 20));
        p.fillPath(keyShape(shine), gloss);
    } else {
        key.translate(s, s);
        fillBody(p, key, colour, press, body);
        const QPainterPath shape = keyShape(key);

        // An inner shadow along the top and left edges: the key lies below
        // the rim around it.
        p.setClipPath(shape);
        QPainterPath around;
        around.addRect(key.adjusted(-key.width(), -key.height(), key.width(), key.height()));
        for (const auto &[offset, alpha] : {std::pair{0.09, 45}, std::pair{0.05, 55}, std::pair{0.025, 60}}) {
            const qreal d = extent(key) * offset;
            p.fillPath(around.subtracted(keyShape(key.translated(d, d))), QColor(0, 0, 0, alpha));
        }
        p.setClipping(false);
    }

    p.setPen(QPen(colour.darker(press == Press::Up ? 190 : 230), ow));
    p.setBrush(Qt::NoBrush);
    p.drawPath(keyShape(key));
    p.restore();
    return faceOf(key, area);
}

Paint keyPicture(const QColor &colour, Press press, const Paint &face)
{
    return [colour, press, face](QPainter &p, const QRectF &area) {
        const QRectF inner = drawKey(p, area, colour, press);
        p.save();
        face(p, inner);
        p.restore();
        if (press == Press::Down)
            darkenKey(p, area);
    };
}

void addKey(Pictures &pictures, const Key &key)
{
    pictures.push_back({key.normal, key.size, keyPicture(key.colour, Press::Up, key.face)});
    if (!key.pressed.isEmpty())
        pictures.push_back({key.pressed, key.size, keyPicture(key.colour, Press::Down, key.face)});
}

QRectF drawTile(QPainter &p, const QRectF &area, const QColor &colour)
{
    const qreal m = std::max(1.0, extent(area) * 0.04);
    const QRectF tile = area.adjusted(m, m, -m, -m);
    const qreal radius = extent(tile) * 0.2;
    QLinearGradient body(tile.topLeft(), tile.bottomLeft());
    body.setColorAt(0, colour.lighter(106));
    body.setColorAt(1, colour.darker(104));
    p.save();
    p.setPen(QPen(colour.darker(135), std::max(1.0, extent(area) * 0.025)));
    p.setBrush(body);
    p.drawRoundedRect(tile, radius, radius);
    p.restore();
    return tile.adjusted(m * 2, m * 2, -m * 2, -m * 2);
}

void drawText(QPainter &p, const QRectF &box, const QString &text, const TextStyle &style)
{
    const QPainterPath path = textPath(text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    const qreal outline = style.outlineWidth * bounds.height() * scale;
    scale = std::min((box.width() - outline) / bounds.width(), (box.height() - outline) / bounds.height());

    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = t.map(path);

    p.save();
    if (style.outlineWidth > 0) {
        p.setPen(QPen(style.outline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(style.outline);
        p.drawPath(placed);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(style.fill);
    p.drawPath(placed);
    p.restore();
}

void drawSymbol(QPainter &p, const QRectF &box, Symbol symbol, const TextStyle &style)
{
    QPainterPath strokes, dots;
    auto line = [&strokes](QPointF from, QPointF to) {
        strokes.moveTo(from);
        strokes.lineTo(to);
    };
    auto dot = [&dots](QPointF centre, qreal radius) { dots.addEllipse(centre, radius, radius); };
    qreal width = 0.2;
    switch (symbol) {
    case Symbol::Times:
        line({-0.33, -0.33}, {0.33, 0.33});
        line({0.33, -0.33}, {-0.33, 0.33});
        break;
    case Symbol::Star:
        width = 0.16;
        for (int spoke = 0; spoke < 3; ++spoke) {
            const qreal a = qDegreesToRadians(90.0 + 60.0 * spoke);
            const QPointF d(0.38 * std::cos(a), 0.38 * std::sin(a));
            line(-d, d);
        }
        break;
    case Symbol::Dot:
        dot({0, 0}, 0.2);
        break;
    case Symbol::Plus:
        line({-0.36, 0}, {0.36, 0});
        line({0, -0.36}, {0, 0.36});
        break;
    case Symbol::Minus:
        line({-0.36, 0}, {0.36, 0});
        break;
    case Symbol::Divide:
        width = 0.17;
        line({-0.36, 0}, {0.36, 0});
        dot({0, -0.29}, 0.1);
        dot({0, 0.29}, 0.1);
        break;
    case Symbol::Equals:
        width = 0.16;
        line({-0.34, -0.15}, {0.34, -0.15});
        line({-0.34, 0.15}, {0.34, 0.15});
        break;
    }

    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath shape = stroker.createStroke(strokes).united(dots);
    shape = shape.simplified();

    const qreal size = extent(box);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(size, size);
    const QPainterPath placed = t.map(shape);

    p.save();
    if (style.outlineWidth > 0) {
        p.setPen(QPen(style.outline, style.outlineWidth * size * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(style.outline);
        p.drawPath(placed);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(style.fill);
    p.drawPath(placed);
    p.restore();
}

void drawEmoji(QPainter &p, const QRectF &box, const QString &emoji)
{
    const QImage image = emojiImage(emoji);
    if (image.isNull())
        return;
    // Scaled to the pixels it will cover, so the twice-sized pictures get a sharp emoji too.
    const qreal k = p.deviceTransform().m11();
    const QSizeF fitted = QSizeF(image.size()).scaled(box.size() * k, Qt::KeepAspectRatio);
    const QImage scaled = image.scaled(fitted.toSize().expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation);
    if (k == 1.0)
        p.drawImage(centred(box, scaled.width(), scaled.height()).topLeft(), scaled);
    else
        p.drawImage(centred(box, scaled.width() / k, scaled.height() / k), scaled);
}

void drawBall(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(centre + QPointF(radius * 0.08, radius * 0.12), radius, radius);

    QRadialGradient shade(centre, radius, centre - QPointF(radius * 0.38, radius * 0.42));
    shade.setColorAt(0, colour.lighter(185));
    shade.setColorAt(0.3, colour.lighter(120));
    shade.setColorAt(0.75, colour);
    shade.setColorAt(1, colour.darker(165));
    p.setBrush(shade);
    p.setPen(QPen(colour.darker(210), std::max(0.8, radius * 0.05)));
    p.drawEllipse(centre, radius, radius);

    QRadialGradient gleam(centre - QPointF(radius * 0.36, radius * 0.42), radius * 0.3);
    gleam.setColorAt(0, QColor(255, 255, 255, 230));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gleam);
    p.drawEllipse(centre - QPointF(radius * 0.36, radius * 0.42), radius * 0.3, radius * 0.3);
    p.restore();
}

void drawArrow(QPainter &p, const QRectF &box, qreal angle, const QColor &colour)
{
    QPainterPath arrow;
    arrow.moveTo(-0.48, -0.17);
    arrow.lineTo(0.02, -0.17);
    arrow.lineTo(0.02, -0.42);
    arrow.lineTo(0.48, 0);
    arrow.lineTo(0.02, 0.42);
    arrow.lineTo(0.02, 0.17);
    arrow.lineTo(-0.48, 0.17);
    arrow.closeSubpath();

    const qreal ow = std::max(1.2, extent(box) * 0.06);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(box.width() - ow, box.height() - ow);
    t.rotate(angle);
    const QPainterPath placed = t.map(arrow);

    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, colour.lighter(140));
    body.setColorAt(1, colour.darker(115));
    p.save();
    p.setPen(QPen(colour.darker(200), ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(body);
    p.drawPath(placed);
    p.restore();
}

void drawCross(QPainter &p, const QRectF &box, const QColor &colour)
{
    const qreal w = extent(box) * 0.2;
    const QRectF r = box.adjusted(w, w, -w, -w);
    p.save();
    for (const auto &[pen, width] : {std::pair{QColor(Qt::white), w * 1.6}, std::pair{colour, w}}) {
        p.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    }
    p.restore();
}

} // namespace art
