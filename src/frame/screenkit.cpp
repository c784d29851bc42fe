#include "screenkit.h"

#include "appstate.h"
#include "background.h"
#include "colours.h"
#include "firstframe.h"
#include "handover.h"
#include "keytexts.h"
#include "names.h"
#include "sound.h"
#include "window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QHash>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace mk {

namespace {

QColor colour(colours::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

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

// The largest size from `largest` down to `smallest` in which all of `text`
// fits `box` in `font`'s family.
int fittingSize(QFont font, const QRect &box, Qt::Alignment alignment, const QString &text, int largest, int smallest)
{
    for (int size = largest; size > smallest; --size) {
        font.setPointSize(size);
        const QRect need = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | alignment, text);
        if (need.width() <= box.width() && need.height() <= box.height())
            return size;
    }
    return smallest;
}

// Threads that draw labels' pictures ahead.
WorkerPool &drawers()
{
    static WorkerPool pool;
    // Drawing text needs the fonts, which go with the application object.
    [[maybe_unused]] static const bool waitsAtExit = (qAddPostRoutine([] { drawers().waitForDone(); }), true);
    return pool;
}

// A label on a plain panel (a frame filled with one colour, nothing else
// under the label). Long word-wrapped texts cost most of a repaint to lay
// out and draw, and the same text is often painted again unchanged (the help
// page on every open, the panel under it on every close): after the first
// paint of a look, a picture of it is drawn on a worker thread, and later
// paints copy that picture.
class PanelLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    // Fits `text` in the largest size from `largest` down to `smallest`
    // and draws it on a worker thread, ahead of its being shown.
    void prepare(const QString &text, int largest, int smallest)
    {
        if (m_ahead && m_ahead->text == text && m_ahead->largest == largest && m_ahead->smallest == smallest)
            return;
        m_ahead.reset();
        QFont font = this->font();
        font.setPointSize(largest);
        std::optional<Look> look = lookOf(text, font);
        if (!look)
            return;
        QImage shot = canvas(*look);
        if (shot.isNull())
            return;
        const Qt::Alignment align = alignment();
        auto drawing = std::make_shared<Handover<Prepared>>([look = *look, shot, align, largest, smallest]() mutable {
            const int size = fittingSize(look.font, look.box, align, look.text, largest, smallest);
            look.font.setPointSize(size);
            return Prepared{size, draw(look, shot)};
        });
        m_ahead = Ahead{text, largest, smallest, *look, drawing};
        drawers().start([drawing] { drawing->run(); });
    }

    // Draws the label as it now reads on a worker thread, while the rest of
    // a window not yet on screen is built and drawn.
    void drawAhead()
    {
        std::optional<Look> look = currentLook();
        if (!look || look == m_look || paintsOnScreen(this))
            return;
        m_look = std::move(look);
        m_shot = QImage();
        m_coming = shoot(*m_look);
    }

    // The size prepared for `text`; none where nothing was prepared for
    // it or the preparation has not started yet (fitting it here is then
    // faster than waiting).
    std::optional<int> preparedSize(const QString &text, int largest, int smallest)
    {
        if (!m_ahead || m_ahead->text != text || m_ahead->largest != largest || m_ahead->smallest != smallest)
            return std::nullopt;
        // The label's font or place changed since: the preparation is stale.
        QFont font = this->font();
        font.setPointSize(largest);
        if (lookOf(text, font) != m_ahead->look || !settleAhead())
            return std::nullopt;
        return m_ahead->drawing->result().size;
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        std::optional<Look> look = currentLook();
        if (look != m_look) {
            m_look = std::move(look);
            m_shot = QImage();
            m_coming.reset();
            // Drawn ahead for this look.
            if (m_look && m_ahead && m_ahead->look.text == m_look->text && settleAhead()) {
                const Prepared prepared = m_ahead->drawing->result();
                Look ahead = m_ahead->look;
                ahead.font.setPointSize(prepared.size);
                if (ahead == *m_look)
                    m_shot = prepared.shot;
            }
        }
        if (m_shot.isNull() && m_coming) {
            // Drawn meanwhile, or being drawn; one not started is drawn here.
            if (m_coming->isReady() || !m_coming->withdraw())
                m_shot = m_coming->result();
            else
                m_shot = draw(*m_look, canvas(*m_look));
            m_coming.reset();
        }
        if (!m_shot.isNull()) {
            QPainter p(this);
            p.drawImage(0, 0, m_shot);
            return;
        }
        QLabel::paintEvent(event);
        // The first paint of a look: a picture of it for the next ones,
        // drawn once this paint has gone to the display (meanwhile a worker
        // drawing text would hold the fonts the rest of the window needs).
        if (m_look && !m_shootPosted && paintsOnScreen(this)) {
            m_shootPosted = true;
            QTimer::singleShot(0, this, [this] {
                m_shootPosted = false;
                if (m_look && m_shot.isNull() && !m_coming)
                    m_coming = shoot(*m_look);
            });
        }
    }

private:
    struct Look
    {
        QString text;
        QFont font;
        QColor ink;
        QColor panel;
        QSize size;
        QRect box;
        qreal ratio;
        int flags;
        bool operator==(const Look &o) const
        {
            return text == o.text && font == o.font && ink == o.ink && panel == o.panel && size == o.size
                && box == o.box && ratio == o.ratio && flags == o.flags;
        }
        bool operator!=(const Look &o) const { return !(*this == o); }
    };

    struct Prepared
    {
        int size;
        QImage shot;
    };
    struct Ahead
    {
        QString text;
        int largest;
        int smallest;
        Look look; // in the largest size
        std::shared_ptr<Handover<Prepared>> drawing;
    };

    // Whether the preparation is done or under way (then its result waits
    // for it); one not started yet is dropped.
    bool settleAhead()
    {
        if (m_ahead->drawing->isReady() || !m_ahead->drawing->withdraw())
            return true;
        m_ahead.reset();
        return false;
    }

    std::optional<Look> currentLook() const { return lookOf(text(), font()); }

    // What the label shows with `text` in `font`, and what lies under it;
    // none where the label is not an enabled plain text on a plain panel,
    // and paints as any label.
    std::optional<Look> lookOf(const QString &text, const QFont &font) const
    {
        const QWidget *panel = parentWidget();
        if (!panel || !panel->autoFillBackground() || !isEnabled() || textFormat() != Qt::PlainText
            || frameShape() != QFrame::NoFrame || margin() != 0 || indent() > 0 || !pixmap().isNull() || buddy()
            || text.isEmpty())
            return std::nullopt;
        const QBrush fill = panel->palette().brush(panel->backgroundRole());
        if (fill.style() != Qt::SolidPattern || !fill.isOpaque() || !panel->contentsRect().contains(geometry()))
            return std::nullopt;
        // Nothing else of the panel's may lie under the label.
        for (const QObject *o : panel->children()) {
            if (o == this)
                break;
            if (o->isWidgetType() && !static_cast<const QWidget *>(o)->isHidden()
                && static_cast<const QWidget *>(o)->geometry().intersects(geometry()))
                return std::nullopt;
        }
        const bool rightToLeft = text.isRightToLeft();
        const int flags = int(QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment()))
                        | (wordWrap() ? int(Qt::TextWordWrap) : 0)
                        | (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        return Look{text, font, palette().brush(foregroundRole()).color(), fill.color(), size(), contentsRect(),
                    devicePixelRatioF(), flags};
    }

    // A picture of the label's size; none where it would size the font
    // otherwise than the screen does.
    QImage canvas(const Look &look) const
    {
        QImage shot(look.size * look.ratio, QImage::Format_RGB32);
        if (shot.logicalDpiX() != logicalDpiX() || shot.logicalDpiY() != logicalDpiY())
            return {};
        shot.setDevicePixelRatio(look.ratio);
        return shot;
    }

    // The label drawn as the style draws an enabled plain text, on its
    // panel's colour; any thread may draw it.
    static QImage draw(const Look &look, QImage shot)
    {
        shot.fill(look.panel);
        QPainter p(&shot);
        p.setFont(look.font);
        p.setPen(QPen(QBrush(look.ink), p.pen().widthF()));
        p.drawText(look.box, look.flags, look.text);
        p.end();
        return shot;
    }

    // The label drawn on a worker thread.
    std::shared_ptr<Handover<QImage>> shoot(const Look &look) const
    {
        QImage shot = canvas(look);
        if (shot.isNull())
            return nullptr;
        auto drawing = std::make_shared<Handover<QImage>>([look, shot] { return draw(look, shot); });
        drawers().start([drawing] { drawing->run(); });
        return drawing;
    }

    std::optional<Look> m_look;
    QImage m_shot;
    std::shared_ptr<Handover<QImage>> m_coming;
    bool m_shootPosted = false;
    std::optional<Ahead> m_ahead;
};

QString brushPicture(int i)
{
    return names::kBrushes[static_cast<std::size_t>(i)].picture.toString();
}

} // namespace

HelpPage::HelpPage(QWidget *window, const HelpRow &row, const HelpTexts &texts)
    : m_row(row), m_texts(texts)
{
    m_frame = placed<QFrame>(window, row.frame);
    m_frame->setFrameShape(QFrame::Panel);
    m_frame->setFrameShadow(QFrame::Raised);
    m_frame->setLineWidth(3);
    QPalette pal = m_frame->palette();
    pal.setColor(QPalette::Window, colour(colours::kPanel));
    m_frame->setPalette(pal);
    m_frame->setAutoFillBackground(true);
    m_frame->hide();

    ScreenKit labels(window);
    m_title = labels.addLabel(row.title, 18, true, m_frame);
    m_title->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < row.paragraphCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_paragraphs[n] = labels.addLabel(row.paragraphs[n], row.paragraphPoints, false, m_frame);
    }
}

void HelpPage::place()
{
    m_frame->move(toPixels(m_row.left, m_row.top, 0, 0).topLeft());
}

void HelpPage::toggle(PictureKey *helpKey)
{
    if (!m_frame->isHidden()) {
        m_frame->hide();
        helpKey->setPicture(names::kHelpKey.toString());
    } else {
        m_frame->show();
        m_frame->raise();
        playSoundFile(QStringLiteral("sHallo2.wav"));
        helpKey->setPicture(names::kHelpKeyOpen.toString());
    }
    const auto language = currentLanguage();
    if (const auto title = cell(*m_texts.title, language))
        m_title->setText(*title);
    for (int i = 0; i < m_row.paragraphCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (const auto text = cell(*m_texts.paragraphs[n], language))
            fitText(m_paragraphs[n], *text, m_row.paragraphPoints, m_row.smallestPoints);
    }
    if (m_changed)
        m_changed();
}

void HelpPage::prepare()
{
    // The page in the current language, fitted and drawn ahead on a worker
    // thread, so that opening it only copies it.
    const auto language = currentLanguage();
    if (const auto title = cell(*m_texts.title, language); title && m_title->font().pointSize() > 0) {
        if (auto *panel = dynamic_cast<PanelLabel *>(m_title))
            panel->prepare(*title, m_title->font().pointSize(), m_title->font().pointSize());
    }
    for (int i = 0; i < m_row.paragraphCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (const auto text = cell(*m_texts.paragraphs[n], language)) {
            if (auto *panel = dynamic_cast<PanelLabel *>(m_paragraphs[n]))
                panel->prepare(*text, m_row.paragraphPoints, m_row.smallestPoints);
        }
    }
}

void HelpPage::hide()
{
    m_frame->hide();
    if (m_changed)
        m_changed();
}

bool HelpPage::isOpen() const
{
    return !m_frame->isHidden();
}

PictureKey *ScreenKit::addKey(const KeyRow &row, std::function<void()> onClick)
{
    auto *key = placed<PictureKey>(m_window, row.place, row.feedback);
    key->setPictures(row.normal.toString(), row.pressed.toString());
    if (!row.normal.isEmpty())
        m_pictures.push_back({key, row.normal.toString()});
    if (row.tip)
        bindTip(key, row.tip);
    if (row.name)
        bindName(key, row.name);
    if (onClick)
        QObject::connect(key, &PictureKey::clicked, m_window, std::move(onClick));
    return key;
}

std::vector<PictureKey *> ScreenKit::addGroup(const GroupRow &row, const std::function<void(int)> &onClick)
{
    std::vector<PictureKey *> keys;
    for (int i = 0; i < row.count; ++i) {
        auto *key = placed<PictureKey>(m_window, row.places[i], row.feedback);
        key->setObjectName(elementName(row, i));
        key->setPictures(row.normal ? row.normal(i) : QString(), row.pressed ? row.pressed(i) : QString());
        if (row.normal)
            m_pictures.push_back({key, row.normal(i)});
        if (row.tip)
            bindTip(key, row.tip, i);
        if (row.name)
            bindName(key, row.name, i);
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
        bindTip(box, tip);
    return box;
}

std::vector<PictureBox *> ScreenKit::addPictures(const GroupRow &row)
{
    std::vector<PictureBox *> boxes;
    for (int i = 0; i < row.count; ++i) {
        auto *box = placed<PictureBox>(m_window, row.places[i]);
        box->setObjectName(elementName(row, i));
        if (row.normal)
            m_pictures.push_back({box, row.normal(i)});
        if (row.tip)
            bindTip(box, row.tip, i);
        boxes.push_back(box);
    }
    return boxes;
}

QLabel *ScreenKit::addLabel(const Place &place, int points, bool bold, QWidget *parent)
{
    // A label inside a frame lies on its plain panel.
    if (parent)
        return setUpLabel(placed<PanelLabel>(parent, place), points, bold);
    return setUpLabel(placed<QLabel>(m_window, place), points, bold);
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
    pal.setColor(QPalette::Window, colour(colours::kPanel));
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    return frame;
}

PictureKey *ScreenKit::addEar(const Place &place, const LangTexts *tip)
{
    PictureKey *ear = addKey({place, names::kEarOn, {}, Feedback::CursorOnly, tip, &keytexts::kEar});
    m_clickPictures.emplace_back(ear, names::kEarOnPressed.toString());
    m_clickPictures.emplace_back(ear, names::kEarOffPressed.toString());
    bindState(ear, [] { return app().settings.audioStatus != 1; }, &keytexts::kSoundOn, &keytexts::kSoundOff);
    QObject::connect(ear, &PictureKey::clicked, m_window, [this, ear] {
        toggleSound(ear);
        describeStates();
    });
    return ear;
}

PictureKey *ScreenKit::addHelp(const KeyRow &key, const HelpRow &page, const HelpTexts &texts)
{
    PictureKey *helpKey = addKey(key);
    m_clickPictures.emplace_back(helpKey, names::kHelpKeyOpen.toString());
    if (!key.name)
        bindName(helpKey, &keytexts::kHelp);
    m_help = std::make_unique<HelpPage>(m_window, page, texts);
    bindState(helpKey, [this] { return m_help->isOpen(); }, &keytexts::kHelpOpen, &keytexts::kHelpClosed);
    m_help->onOpenOrClose([this] { describeStates(); });
    QObject::connect(helpKey, &PictureKey::clicked, m_window, [this, helpKey] { m_help->toggle(helpKey); });
    return helpKey;
}

PictureKey *ScreenKit::addLeave(const KeyRow &key, QDialog *screen)
{
    PictureKey *leave = addKey(key, [screen] { leaveScreen(screen); });
    if (!key.name)
        bindName(leave, &keytexts::kLeave);
    return leave;
}

std::vector<PictureKey *> ScreenKit::addBrushes(const std::array<Place, 4> &places, Feedback feedback,
                                                IndexedText tip)
{
    m_hasBrushes = true;
    return addGroup(groupRow(places, brushPicture, nullptr, feedback, tip, keytexts::brushName),
                    [this](int i) { chooseColour(i); });
}

void ScreenKit::colourWithBrush(QLabel *label)
{
    m_coloured.push_back(label);
}

void ScreenKit::chooseColour(int farbe)
{
    if (const auto colour = brushColour(farbe)) {
        for (QLabel *label : m_coloured)
            setTextColour(label, *colour);
    }
    changeSettings([farbe](Settings &s) { s.farbe = static_cast<qint16>(farbe); });
}

void ScreenKit::bindTip(QWidget *control, const LangTexts *tip)
{
    m_bindings.push_back({control, tip, nullptr, 0, Writes::Tip});
}

void ScreenKit::bindTip(QWidget *control, IndexedText tip, int index)
{
    m_bindings.push_back({control, nullptr, tip, index, Writes::Tip});
}

void ScreenKit::bindText(QLabel *label, const LangTexts *text)
{
    m_bindings.push_back({label, text, nullptr, 0, Writes::Text});
}

void ScreenKit::bindName(PictureKey *key, const LangTexts *name)
{
    m_bindings.push_back({key, name, nullptr, 0, Writes::Name});
}

void ScreenKit::bindName(PictureKey *key, IndexedText name, int index)
{
    m_bindings.push_back({key, nullptr, name, index, Writes::Name});
}

void ScreenKit::bindState(QWidget *control, std::function<bool()> isOn, const LangTexts *on, const LangTexts *off)
{
    m_states.push_back({control, std::move(isOn), on, off});
}

void ScreenKit::describeStates()
{
    const auto language = currentLanguage();
    for (const State &s : m_states) {
        if (const auto text = cell(s.isOn() ? *s.on : *s.off, language))
            s.control->setAccessibleDescription(*text);
    }
}

void ScreenKit::loadHead()
{
    centerForm(m_window, 4);
    setThickBorder(m_window);
    if (m_help)
        m_help->place();
    orderKeys();
}

void ScreenKit::orderKeys()
{
    m_tabOrder.clear();
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        if ((qobject_cast<PictureKey *>(w) || qobject_cast<KeyLabel *>(w)) && (w->focusPolicy() & Qt::TabFocus))
            m_tabOrder.push_back(w);
    }
    // Reading order: line by line from the top, each line from the left.
    auto at = [this](const QWidget *w) {
        const QPoint p = w->mapTo(m_window, QPoint(0, 0));
        return std::pair{p.y(), p.x()};
    };
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(),
                     [&at](const QWidget *a, const QWidget *b) { return at(a) < at(b); });
    // The window holds the focus until Tab brings it to the first key, so
    // that no key is pressed by a Space nobody aimed.
    m_window->setFocus(Qt::OtherFocusReason);
}

bool ScreenKit::focusNextKey(bool next)
{
    const auto n = static_cast<std::ptrdiff_t>(m_tabOrder.size());
    if (n == 0)
        return false;
    const auto current = std::find(m_tabOrder.begin(), m_tabOrder.end(), QApplication::focusWidget());
    std::ptrdiff_t i = current == m_tabOrder.end() ? (next ? -1 : n) : current - m_tabOrder.begin();
    for (std::ptrdiff_t step = 0; step < n; ++step) {
        i = ((next ? i + 1 : i - 1) % n + n) % n;
        QWidget *key = m_tabOrder[static_cast<std::size_t>(i)];
        if (key->isVisible() && key->isEnabled()) {
            key->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void ScreenKit::showPictures()
{
    for (const Picture &p : m_pictures) {
        if (auto *key = qobject_cast<PictureKey *>(p.control))
            key->setPicture(p.file);
        else if (auto *box = qobject_cast<PictureBox *>(p.control))
            box->setPicture(p.file);
    }
    prepareAfterFirstPaint();
}

namespace {

// Calls `then` once, after the first paint of the window it watches.
class FirstPaint final : public QObject
{
public:
    FirstPaint(QWidget *window, std::function<void()> then) : QObject(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Not a picture of the window drawn before it is on screen.
        if (event->type() == QEvent::Paint && paintsOnScreen(static_cast<QWidget *>(watched))) {
            watched->removeEventFilter(this);
            // Once the painted window has gone to the display.
            QTimer::singleShot(0, parent(), std::move(m_then));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void ScreenKit::prepareAfterFirstPaint()
{
    // Before the first paint these decodings would only slow it down.
    if (!std::exchange(m_preparing, true))
        new FirstPaint(m_window, [this] { preparePictures(); });
}

void ScreenKit::preparePictures()
{
    // The help page is drawn ahead from the first change of language on:
    // at start-up it would only add to the memory the program first takes.
    m_painted = true;
    for (const PictureKey *key : m_window->findChildren<PictureKey *>())
        key->preparePicture();
    for (const auto &[key, file] : m_clickPictures)
        key->preparePicture(file);
    // Whatever is asked for from now on, a click may wait for.
    startUpIsOver();
}

void ScreenKit::applyLanguage()
{
    const auto language = currentLanguage();
    if (!language)
        return;
    for (const Binding &b : m_bindings) {
        std::optional<QString> text;
        if (b.indexed)
            text = b.indexed(*language, b.index);
        else
            text = cell(*b.texts, language);
        if (!text)
            continue;
        switch (b.writes) {
        case Writes::Tip:
            b.control->setToolTip(*text);
            break;
        case Writes::Text:
            static_cast<QLabel *>(b.control)->setText(*text);
            break;
        case Writes::Name:
            static_cast<PictureKey *>(b.control)->setRoleName(*text);
            break;
        }
    }
    describeStates();
    // Before the first paint this would only slow it down.
    if (m_help && m_painted)
        m_help->prepare();
    // A window not yet on screen: its panels' texts are drawn meanwhile.
    if (!paintsOnScreen(m_window)) {
        for (QLabel *label : m_window->findChildren<QLabel *>()) {
            if (auto *panelLabel = dynamic_cast<PanelLabel *>(label); panelLabel && label->isVisibleTo(m_window))
                panelLabel->drawAhead();
        }
    }
}

Screen::Screen(QWidget *parent, const Row &row) : QDialog(parent)
{
    setUpWindow(this, row.name, row.width, row.height);
    setWindowTitle(QStringLiteral("Malkobold 1x1"));
}

bool Screen::focusNextPrevChild(bool next)
{
    return m_kit.focusNextKey(next) || QDialog::focusNextPrevChild(next);
}

void Screen::load()
{
    m_kit.loadHead();
    m_kit.showPictures();
    if (m_kit.hasBrushes())
        m_kit.chooseColour(app().settings.farbe);
    loadState();
    m_kit.applyLanguage();
}

void setUpWindow(QWidget *window, QStringView name, int widthTwips, int heightTwips)
{
    window->setObjectName(name.toString());
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, colour(colours::kWindow));
    pal.setColor(QPalette::WindowText, colour(colours::kText));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QString indexedName(QStringView group, int index)
{
    return group.toString() + u'_' + QString::number(index);
}

std::optional<QString> cell(const LangTexts &texts, std::optional<std::size_t> language)
{
    if (!language || *language >= texts.size() || texts[*language].isNull())
        return std::nullopt;
    return texts[*language].toString();
}

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
    font.setPointSize(largest);
    // Laying out a long paragraph in every size is the dearest part of a
    // click (the help page does it on every open and close), so the size
    // found for a long text in the same font and box is kept. A short text
    // is measured faster than it is looked up.
    constexpr qsizetype kLong = 64;
    auto *panel = dynamic_cast<PanelLabel *>(label);
    if (const auto prepared = panel ? panel->preparedSize(text, largest, smallest) : std::nullopt) {
        font.setPointSize(*prepared);
    } else if (text.size() < kLong) {
        font.setPointSize(fittingSize(font, box, label->alignment(), text, largest, smallest));
    } else {
        static QHash<QString, int> fitted;
        const QString key = text + u'\x1f' + font.key() + u'\x1f' + font.families().join(u',') + u'\x1f'
                          + QString::number(box.width()) + u'x' + QString::number(box.height()) + u'\x1f'
                          + QString::number(int(label->alignment())) + u'\x1f' + QString::number(smallest) + u'\x1f'
                          + QString::number(label->logicalDpiY());
        auto it = fitted.constFind(key);
        if (it == fitted.cend()) {
            // Bounded: the program has a few hundred long texts at most.
            if (fitted.size() >= 1024)
                fitted.clear();
            it = fitted.insert(key, fittingSize(font, box, label->alignment(), text, largest, smallest));
        }
        font.setPointSize(*it);
    }
    label->setFont(font);
    label->setText(text);
}

std::optional<QColor> brushColour(int farbe)
{
    if (farbe < 0 || farbe >= static_cast<int>(names::kBrushCount))
        return std::nullopt;
    return colour(names::kBrushes[static_cast<std::size_t>(farbe)].colour);
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

void toggleSound(PictureKey *ear)
{
    if (app().settings.audioStatus == 1) {
        ear->setPicture(names::kEarOnPressed.toString());
        // Sound is on again by the time the bang plays; the file comes last.
        changeSettings([](Settings &s) {
            s.audioStatus = 0;
            playSoundFile(QStringLiteral("sBang.wav"));
        });
    } else {
        ear->setPicture(names::kEarOffPressed.toString());
        changeSettings([](Settings &s) { s.audioStatus = 1; });
    }
}

void leaveScreen(QDialog *screen)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    playSoundFile(QStringLiteral("sSlam.wav"));
    screen->accept();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace mk
