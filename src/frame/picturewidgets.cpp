#include "picturewidgets.h"

#include "names.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace mk {

bool PictureSlot::set(const QString &file, QWidget *owner)
{
    const qreal ratio = owner->devicePixelRatioF();
    auto pending = requestPicture(file, owner->size() * ratio);
    if (!pending)
        return false;
    if (!m_pending)
        m_settledFile = m_file;
    m_file = file;
    m_pending = std::move(pending);
    m_pendingRatio = ratio;
    owner->update();
    return true;
}

void PictureSlot::settle()
{
    if (!m_pending)
        return;
    const auto pixmap = std::exchange(m_pending, std::nullopt)->take();
    if (pixmap) {
        m_pixmap = *pixmap;
        m_pixmap.setDevicePixelRatio(m_pendingRatio);
    } else {
        // The file was there but turned out to be no picture: as if it had failed to load.
        m_file = m_settledFile;
    }
}

void PictureSlot::clear(QWidget *owner)
{
    m_pending.reset();
    m_file.clear();
    m_pixmap = QPixmap();
    owner->update();
}

void PictureSlot::paint(QWidget *owner)
{
    settle();
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
    const auto cursor = loadCursor(file);
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

void PictureBox::paintEvent(QPaintEvent *)
{
    m_slot.paint(this);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

PictureKey::PictureKey(QWidget *parent, Feedback feedback)
    : QAbstractButton(parent), m_feedback(feedback)
{
    setFocusPolicy(Qt::NoFocus);
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

void PictureKey::paintEvent(QPaintEvent *)
{
    m_slot.paint(this);
}

void PictureKey::mousePressEvent(QMouseEvent *event)
{
    if (changesPicture())
        setPicture(m_pressed);
    if (changesCursor())
        setCursorFile(names::kPressingHandCursor.toString());
    QAbstractButton::mousePressEvent(event);
}

void PictureKey::mouseReleaseEvent(QMouseEvent *event)
{
    if (changesPicture())
        setPicture(m_normal);
    if (changesCursor())
        setCursorFile(names::kHandCursor.toString());
    // The click action runs in here, after the feedback, so a picture it sets stays.
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureKey::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QAbstractButton::mouseMoveEvent(event);
}

KeyLabel::KeyLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

bool KeyLabel::setCursorFile(const QString &file)
{
    const auto cursor = loadCursor(file);
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

} // namespace mk
