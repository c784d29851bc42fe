#include "picturewidgets.h"

#include "names.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace mk {

namespace {

// A tooltip names its control, without the blanks some tooltips carry
// round them; without one the control keeps `fallback`.
void nameAfterTip(QWidget *w, const QString &fallback)
{
    const QString tip = w->toolTip().trimmed();
    w->setAccessibleName(tip.isEmpty() ? fallback : tip);
}

// The window losing or regaining the focus keeps the ring as it was.
bool keepsRing(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

bool isActivationKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

void FocusRing::focusIn(Qt::FocusReason reason)
{
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        m_on = true;
    else if (!keepsRing(reason))
        m_on = false;
}

bool FocusRing::focusOut(Qt::FocusReason reason)
{
    if (!keepsRing(reason))
        m_on = false;
    return std::exchange(m_keyDown, false);
}

bool FocusRing::keyDown(const QKeyEvent *event, const QWidget *owner)
{
    // A control whose focus nobody can see (the window gave it on opening) stays quiet.
    if (!shows(owner) || event->isAutoRepeat() || m_keyDown)
        return false;
    m_keyDown = true;
    return true;
}

bool FocusRing::keyUp(const QKeyEvent *event)
{
    return !event->isAutoRepeat() && std::exchange(m_keyDown, false);
}

void FocusRing::paint(QWidget *owner) const
{
    if (!shows(owner))
        return;
    QPainter p(owner);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(owner->rect()).adjusted(2, 2, -2, -2);
    const qreal radius = std::min({outer.width(), outer.height(), 40.0}) * 0.18;
    // A warm orange band with a white edge stands out on dark and light pictures alike.
    p.setPen(QPen(QColor(255, 140, 0), 4));
    p.drawRoundedRect(outer, radius, radius);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawRoundedRect(outer.adjusted(2.75, 2.75, -2.75, -2.75), radius * 0.8, radius * 0.8);
}

bool PictureSlot::set(const QString &file, QWidget *owner, bool repaint)
{
    const qreal ratio = owner->devicePixelRatioF();
    const auto pixmap = loadPicture(file, owner->size() * ratio, ratio);
    if (!pixmap)
        return false;
    m_file = file;
    m_pixmap = *pixmap;
    m_pixmap.setDevicePixelRatio(ratio);
    if (repaint)
        owner->update();
    return true;
}

void PictureSlot::paint(QWidget *owner)
{
    if (m_pixmap.isNull())
        return;
    QPainter p(owner);
    if (m_pixmap.deviceIndependentSize().toSize() == owner->size()) {
        p.drawPixmap(0, 0, m_pixmap);
    } else {
        // The control was resized after the picture was set.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(owner->rect(), m_pixmap);
    }
}

bool PictureSlot::setCursor(const QString &file, QWidget *owner)
{
    const auto cursor = loadCursor(file, owner->devicePixelRatioF());
    if (!cursor)
        return false;
    m_cursorFile = file;
    owner->setCursor(*cursor);
    return true;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

bool PictureBox::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        nameAfterTip(this, accessibleName());
    return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    m_slot.paint(this);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

PictureBatch::~PictureBatch()
{
    if (m_boxes.empty())
        return;
    QRect around;
    for (const auto &changed : m_boxes)
        around |= changed.second;
    m_window->update(around);
    // Qt leaves out of a window's repaint what its opaque controls cover,
    // even where a changed box lies over one of them: such a box repaints itself.
    std::vector<QRect> opaque;
    for (const QWidget *w : m_window->findChildren<QWidget *>()) {
        if (w->isVisible()
            && (w->testAttribute(Qt::WA_OpaquePaintEvent)
                || (w->autoFillBackground() && w->palette().brush(w->backgroundRole()).isOpaque())))
            opaque.emplace_back(w->mapTo(m_window, QPoint(0, 0)), w->size());
    }
    for (const auto &[box, place] : m_boxes) {
        if (std::any_of(opaque.begin(), opaque.end(), [&place = place](const QRect &o) { return o.intersects(place); }))
            box->update();
    }
}

void PictureBatch::show(PictureBox *box, const QString &file)
{
    if (box->picture() != file && box->setPictureUnpainted(file))
        m_boxes.emplace_back(box, QRect(box->mapTo(m_window, QPoint(0, 0)), box->size()));
}

PictureKey::PictureKey(QWidget *parent, Feedback feedback)
    : QAbstractButton(parent), m_feedback(feedback)
{
    // Only Tab gives a key the focus: a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

PictureKey::PictureKey(QWidget *parent, const QString &normal, const QString &pressed, Feedback feedback)
    : PictureKey(parent, feedback)
{
    setPictures(normal, pressed);
}

void PictureKey::setPictures(const QString &normal, const QString &pressed)
{
    m_normal = normal;
    m_pressed = pressed;
}

QSize PictureKey::sizeHint() const
{
    return size();
}

bool PictureKey::changesPicture() const
{
    return (m_feedback == Feedback::PictureAndCursor || m_feedback == Feedback::PictureOnly)
        && !m_pressed.isEmpty();
}

bool PictureKey::changesCursor() const
{
    return m_feedback == Feedback::PictureAndCursor || m_feedback == Feedback::CursorOnly;
}

void PictureKey::setRoleName(const QString &name)
{
    m_roleName = name;
    nameAfterTip(this, m_roleName);
}

bool PictureKey::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        nameAfterTip(this, m_roleName);
    return QAbstractButton::event(event);
}

void PictureKey::changeEvent(QEvent *event)
{
    // A key looks the same enabled and disabled: switching a row of keys
    // (the bead frame's numbers) needs no repaint of each.
    if (event->type() == QEvent::EnabledChange && updatesEnabled()) {
        setAttribute(Qt::WA_UpdatesDisabled, true);
        QAbstractButton::changeEvent(event);
        setAttribute(Qt::WA_UpdatesDisabled, false);
        return;
    }
    QAbstractButton::changeEvent(event);
}

void PictureKey::paintEvent(QPaintEvent *)
{
    m_slot.paint(this);
    m_ring.paint(this);
}

void PictureKey::showPressed()
{
    if (changesPicture())
        setPicture(m_pressed);
    if (changesCursor())
        setCursorFile(names::kPressingHandCursor.toString());
}

void PictureKey::showReleased()
{
    if (changesPicture())
        setPicture(m_normal);
    if (changesCursor())
        setCursorFile(names::kHandCursor.toString());
}

// QAbstractButton paints a key at once on a press and again on a click,
// before the click's action, which then paints a third time: each of these
// is a round trip to the display. The key is painted with the next frame
// instead, so a press paints once and a click once with all it changes.
void PictureKey::mousePressEvent(QMouseEvent *event)
{
    showPressed();
    setUpdatesEnabled(false);
    QAbstractButton::mousePressEvent(event);
    setUpdatesEnabled(true);
}

void PictureKey::mouseReleaseEvent(QMouseEvent *event)
{
    showReleased();
    const bool clicks = event->button() == Qt::LeftButton && isDown() && hitButton(event->position().toPoint());
    if (!clicks) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    // What QAbstractButton does on a click, but for its immediate repaint:
    // a key that is up again ends the press without a click of its own.
    setDown(false);
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
    // The click action runs after the feedback, so a picture it sets stays.
    const QPointer<PictureKey> guard(this);
    emit released();
    if (guard)
        emit clicked(isChecked());
}

void PictureKey::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(event)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    if (m_ring.keyDown(event, this)) {
        showPressed();
        setDown(true);
    }
    event->accept();
}

void PictureKey::keyReleaseEvent(QKeyEvent *event)
{
    if (!isActivationKey(event)) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (!m_ring.keyUp(event))
        return;
    showReleased();
    setDown(false);
    click();
}

void PictureKey::focusInEvent(QFocusEvent *event)
{
    m_ring.focusIn(event->reason());
    QAbstractButton::focusInEvent(event);
}

void PictureKey::focusOutEvent(QFocusEvent *event)
{
    if (m_ring.focusOut(event->reason())) {
        // Focus gone between press and release: no click, the key rises.
        showReleased();
        setDown(false);
    }
    QAbstractButton::focusOutEvent(event);
}

void PictureKey::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QAbstractButton::mouseMoveEvent(event);
}

KeyLabel::KeyLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

void KeyLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    m_ring.paint(this);
}

bool KeyLabel::setCursorFile(const QString &file)
{
    const auto cursor = loadCursor(file, devicePixelRatioF());
    if (!cursor)
        return false;
    m_cursorFile = file;
    setCursor(*cursor);
    return true;
}

void KeyLabel::mousePressEvent(QMouseEvent *event)
{
    setCursorFile(names::kPressingHandCursor.toString());
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    event->accept();
}

void KeyLabel::mouseReleaseEvent(QMouseEvent *event)
{
    setCursorFile(names::kHandCursor.toString());
    const bool click = event->button() == Qt::LeftButton && std::exchange(m_leftDown, false)
                    && rect().contains(event->position().toPoint());
    event->accept();
    if (click)
        emit clicked();
}

void KeyLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void KeyLabel::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (m_ring.keyDown(event, this))
        setCursorFile(names::kPressingHandCursor.toString());
    event->accept();
}

void KeyLabel::keyReleaseEvent(QKeyEvent *event)
{
    if (!isActivationKey(event)) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (!m_ring.keyUp(event))
        return;
    setCursorFile(names::kHandCursor.toString());
    emit clicked();
}

void KeyLabel::focusInEvent(QFocusEvent *event)
{
    m_ring.focusIn(event->reason());
    QLabel::focusInEvent(event);
}

void KeyLabel::focusOutEvent(QFocusEvent *event)
{
    if (m_ring.focusOut(event->reason()))
        setCursorFile(names::kHandCursor.toString());
    QLabel::focusOutEvent(event);
}

} // namespace mk
