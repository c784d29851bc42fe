#include "screenkit.h"

#include "appstate.h"
#include "colours.h"
#include "textfit.h"
#include "window.h"

#include <QFrame>
#include <QLabel>

#include <utility>

namespace mk {

namespace {

template<typename W, typename... Args>
W *placed(QWidget *parent, const Place &place, Args &&...args)
{
    auto *w = new W(parent, std::forward<Args>(args)...);
    w->setObjectName(place.name.toString());
    w->setGeometry(toPixels(place));
    return w;
}

// Whether the elements of a group share one name, and so are told apart by index.
bool sharesName(const GroupRow &row)
{
    for (int i = 1; i < row.count; ++i) {
        if (row.places[i].name != row.places[0].name)
            return false;
    }
    return true;
}

QString elementName(const GroupRow &row, int i)
{
    return sharesName(row) ? indexedName(row.places[i].name, i) : row.places[i].name.toString();
}

template<typename L>
L *setUpLabel(L *label, int points, bool bold)
{
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(textFont(points, bold));
    return label;
}

} // namespace

PictureKey *ScreenKit::addKey(const KeyRow &row, std::function<void()> onClick)
{
    auto *key = placed<PictureKey>(m_window, row.place, row.feedback);
    key->setPictures(row.normal.toString(), row.pressed.toString());
    if (!row.normal.isEmpty())
        m_pictures.push_back({key, row.normal.toString()});
    if (row.tip)
        m_texts.bindTip(key, row.tip);
    if (row.name)
        m_texts.bindName(key, row.name);
    if (onClick)
        QObject::connect(key, &PictureKey::clicked, m_window, std::move(onClick));
    return key;
}

void ScreenKit::bindRow(QWidget *control, const GroupRow &row, int index)
{
    control->setObjectName(elementName(row, index));
    if (row.normal)
        m_pictures.push_back({control, row.normal(index)});
    if (row.tip)
        m_texts.bindTip(control, row.tip, index);
}

std::vector<PictureKey *> ScreenKit::addGroup(const GroupRow &row, const std::function<void(int)> &onClick)
{
    std::vector<PictureKey *> keys;
    for (int i = 0; i < row.count; ++i) {
        auto *key = placed<PictureKey>(m_window, row.places[i], row.feedback);
        key->setPictures(row.normal ? row.normal(i) : QString(), row.pressed ? row.pressed(i) : QString());
        bindRow(key, row, i);
        if (row.name)
            m_texts.bindName(key, row.name, i);
        if (onClick)
            QObject::connect(key, &PictureKey::clicked, m_window, [onClick, i] { onClick(i); });
        keys.push_back(key);
    }
    return keys;
}

PictureBox *ScreenKit::addPicture(const Place &place, QStringView picture, const LangTexts *tip)
{
    auto *box = placed<PictureBox>(m_window, place);
    if (!picture.isEmpty())
        m_pictures.push_back({box, picture.toString()});
    if (tip)
        m_texts.bindTip(box, tip);
    return box;
}

std::vector<PictureBox *> ScreenKit::addPictures(const GroupRow &row)
{
    std::vector<PictureBox *> boxes;
    for (int i = 0; i < row.count; ++i) {
        auto *box = placed<PictureBox>(m_window, row.places[i]);
        bindRow(box, row, i);
        boxes.push_back(box);
    }
    return boxes;
}

QLabel *ScreenKit::addLabel(const Place &place, int points, bool bold, QWidget *parent)
{
    return setUpLabel(placed<QLabel>(parent ? parent : m_window, place), points, bold);
}

KeyLabel *ScreenKit::addKeyLabel(const Place &place, int points, std::function<void()> onClick)
{
    auto *label = setUpLabel(placed<KeyLabel>(m_window, place), points, false);
    if (onClick)
        QObject::connect(label, &KeyLabel::clicked, m_window, std::move(onClick));
    return label;
}

QFrame *ScreenKit::addFrame(const Place &place, QWidget *parent)
{
    auto *frame = placed<QFrame>(parent ? parent : m_window, place);
    frame->setFrameShape(QFrame::StyledPanel);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, colours::toQColor(colours::kPanel));
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    return frame;
}

void ScreenKit::load(const std::function<void()> &beforePictures, const std::function<void()> &state)
{
    centerForm(m_window, 4);
    setThickBorder(m_window);
    if (m_help)
        m_help->place();
    m_keys.collect(m_window);
    if (beforePictures)
        beforePictures();
    for (const Picture &p : m_pictures) {
        if (auto *key = qobject_cast<PictureKey *>(p.control))
            key->setPicture(p.file);
        else if (auto *box = qobject_cast<PictureBox *>(p.control))
            box->setPicture(p.file);
    }
    if (m_hasBrushes)
        chooseColour(app().settings.farbe);
    if (state)
        state();
    applyLanguage();
}

QString indexedName(QStringView group, int index)
{
    return group.toString() + u'_' + QString::number(index);
}

} // namespace mk
