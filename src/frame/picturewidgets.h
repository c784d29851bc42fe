#pragma once

#include "feedback.h"
#include "pictures.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace mk {

// What a picture control shows: the file name and its decoded pixels.
class PictureSlot
{
public:
    const QString &file() const { return m_file; }
    bool set(const QString &file, QWidget *owner, bool repaint = true);
    void paint(QWidget *owner);

    const QString &cursorFile() const { return m_cursorFile; }
    bool setCursor(const QString &file, QWidget *owner);

private:
    QString m_file;
    QPixmap m_pixmap;
    QString m_cursorFile;
};

// The ring round a control that the keyboard, not the mouse, gave the focus:
// a control focused when its window opened or by a click shows none.
class FocusRing
{
public:
    void focusIn(Qt::FocusReason reason);
    // Returns whether a keyboard press was cut off by losing the focus.
    bool focusOut(Qt::FocusReason reason);
    bool shows(const QWidget *owner) const { return m_on && owner->hasFocus(); }
    void paint(QWidget *owner) const;

    // Space or Enter on the control: whether this starts a press (only a
    // control whose ring shows takes one), and whether it ends one.
    bool keyDown(const QKeyEvent *event, const QWidget *owner);
    bool keyUp(const QKeyEvent *event);

private:
    bool m_on = false;
    bool m_keyDown = false;
};

// Space and Enter press the control in focus.
bool isActivationKey(const QKeyEvent *event);

// A picture control: shows one picture from BTN, reports mouse moves.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture)
    Q_PROPERTY(QString cursorFile READ cursorFile)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString picture() const { return m_slot.file(); }
    // A file that cannot be loaded leaves the picture as it was.
    bool setPicture(const QString &file) { return m_slot.set(file, this); }
    // As setPicture, but the caller repaints a region holding the box.
    bool setPictureUnpainted(const QString &file) { return m_slot.set(file, this, false); }

    QString cursorFile() const { return m_slot.cursorFile(); }
    bool setCursorFile(const QString &file) { return m_slot.setCursor(file, this); }

signals:
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    PictureSlot m_slot;
};

// Sets the pictures of many boxes at once and repaints the rectangle round
// those that changed in one go when it ends: Qt's bookkeeping of a hundred
// small repaints (the beads of a frame) costs more than painting them.
class PictureBatch
{
public:
    explicit PictureBatch(QWidget *window) : m_window(window) {}
    ~PictureBatch();
    PictureBatch(const PictureBatch &) = delete;
    PictureBatch &operator=(const PictureBatch &) = delete;

    // Like setPicture, for a box below the window; the same picture again changes nothing.
    void show(PictureBox *box, const QString &file);

private:
    QWidget *m_window;
    // The boxes whose picture changed, and where they lie in the window.
    std::vector<std::pair<PictureBox *, QRect>> m_boxes;
};

// A picture key: press shows the pressed picture and the pressing hand,
// release the normal picture and the pointing hand, and the click follows
// the release. Any mouse button gives the feedback; only the left one clicks.
// Tab reaches the key; once it has, Space or Enter press it as the left
// button would, and a ring round the key shows where the keyboard is.
class PictureKey : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture)
    Q_PROPERTY(QString cursorFile READ cursorFile)

public:
    using Feedback = mk::Feedback;

    explicit PictureKey(QWidget *parent = nullptr, Feedback feedback = Feedback::PictureAndCursor);
    PictureKey(QWidget *parent, const QString &normal, const QString &pressed,
               Feedback feedback = Feedback::PictureAndCursor);

    void setPictures(const QString &normal, const QString &pressed);

    QString picture() const { return m_slot.file(); }
    bool setPicture(const QString &file) { return m_slot.set(file, this); }
    bool showNormalPicture() { return setPicture(m_normal); }

    QString cursorFile() const { return m_slot.cursorFile(); }
    bool setCursorFile(const QString &file) { return m_slot.setCursor(file, this); }

    QSize sizeHint() const override;

    // What the key is for, in the current language: its accessible name
    // when it has no tooltip (a tooltip names the key itself).
    void setRoleName(const QString &name);
    // Whether the ring shows: the keyboard, not the mouse, brought the focus.
    bool showsFocusRing() const { return m_ring.shows(this); }

signals:
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool changesPicture() const;
    bool changesCursor() const;
    void showPressed();
    void showReleased();

    PictureSlot m_slot;
    QString m_normal;
    QString m_pressed;
    QString m_roleName;
    Feedback m_feedback;
    FocusRing m_ring;
};

// A label that answers the mouse like a key without pictures: the pressing
// hand while a button is down on it, the pointing hand after, and a click
// when the left button goes up inside it. Mouse moves over it are reported.
class KeyLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString cursorFile READ cursorFile)

public:
    explicit KeyLabel(QWidget *parent = nullptr);

    QString cursorFile() const { return m_cursorFile; }
    bool setCursorFile(const QString &file);
    bool showsFocusRing() const { return m_ring.shows(this); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_cursorFile;
    bool m_leftDown = false;
    FocusRing m_ring;
};

} // namespace mk
