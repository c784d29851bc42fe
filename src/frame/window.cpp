#include "window.h"

#include "colours.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace mk {

namespace {

constexpr char kEdgeName[] = "clientEdge";

// Lies over the whole window and draws only its sunken rim; the mouse goes
// through it to the controls underneath.
class ClientEdge final : public QWidget
{
public:
    explicit ClientEdge(QWidget *window) : QWidget(window)
    {
        setObjectName(QLatin1String(kEdgeName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        window->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            fit();
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        qDrawShadePanel(&p, rect(), palette(), true, kRim, nullptr);
    }

private:
    static constexpr int kRim = 2;

    // Only the rim belongs to it, so a control changing inside the window
    // repaints without the edge on top.
    void fit()
    {
        const QRect all = parentWidget()->rect();
        setGeometry(all);
        setMask(QRegion(all) - QRegion(all.adjusted(kRim, kRim, -kRim, -kRim)));
    }
};

} // namespace

std::optional<QPointF> centeredPosition(QSizeF screen, QSizeF window, int mode)
{
    const double sw = screen.width(), sh = screen.height();
    const double w = window.width(), h = window.height();
    const double midLeft = sw / 2.0 - w / 2.0;
    const double midTop = sh / 2.0 - h / 2.0;
    switch (mode) {
    case 0: return QPointF(0, midTop);
    case 1: return QPointF(sw - w, midTop);
    case 2: return QPointF(midLeft, 0);
    case 3: return QPointF(midLeft, sh - h);
    case 4: return QPointF(midLeft, midTop);
    default: return std::nullopt;
    }
}

namespace {

// The frame's size as a child sees the window: the client area plus the
// frame the window system puts round it, where that is known yet.
QSize outerSize(QWidget *window)
{
    if (window->isVisible())
        return window->frameGeometry().size();
    QSize size = window->size();
    if (const QWindow *handle = window->windowHandle())
        size = size.grownBy(handle->frameMargins());
    return size;
}

void placeFrame(QWidget *window, int mode)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSizeF screenTwips = QSizeF(screen->geometry().size()) * kTwipsPerPixel;
    const QSizeF windowTwips = QSizeF(outerSize(window)) * kTwipsPerPixel;
    const auto pos = centeredPosition(screenTwips, windowTwips, mode);
    if (!pos)
        return;
    const QPoint origin = screen->geometry().topLeft();
    // move() places the outer frame.
    window->move(origin.x() + static_cast<int>(std::lround(pos->x() / kTwipsPerPixel)),
                 origin.y() + static_cast<int>(std::lround(pos->y() / kTwipsPerPixel)));
}

// A window centred before it is shown does not know its frame yet: once it
// is shown, it is placed again with the frame it really has.
class PlaceWhenShown final : public QObject
{
public:
    PlaceWhenShown(QWidget *window, int mode) : QObject(window), m_mode(mode)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            placeFrame(static_cast<QWidget *>(watched), m_mode);
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    int m_mode;
};

} // namespace

void centerForm(QWidget *window, int mode)
{
    if (!window || mode < 0 || mode > 4)
        return;
    placeFrame(window, mode);
    if (!window->isVisible())
        new PlaceWhenShown(window, mode);
}

void setThickBorder(QWidget *window)
{
    if (!window)
        return;
    auto *edge = window->findChild<QWidget *>(QLatin1String(kEdgeName), Qt::FindDirectChildrenOnly);
    if (!edge)
        edge = new ClientEdge(window);
    edge->raise();
    edge->show();
}

void openInBrowser(QWidget *window, const QString &address)
{
    Q_UNUSED(window);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(QUrl(address));
    QGuiApplication::restoreOverrideCursor();
}

void setUpWindow(QWidget *window, QStringView name, int widthTwips, int heightTwips)
{
    window->setObjectName(name.toString());
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, colours::toQColor(colours::kWindow));
    pal.setColor(QPalette::WindowText, colours::toQColor(colours::kText));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

} // namespace mk
