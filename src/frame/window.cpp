#include "window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>
#include <QUrl>
#include <QWidget>

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
        setGeometry(window->rect());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        qDrawShadePanel(&p, rect(), palette(), true, 2, nullptr);
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

void centerForm(QWidget *window, int mode)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!window || !screen)
        return;
    const QSizeF screenTwips = QSizeF(screen->geometry().size()) * kTwipsPerPixel;
    const QSizeF windowTwips = QSizeF(window->frameGeometry().size()) * kTwipsPerPixel;
    const auto pos = centeredPosition(screenTwips, windowTwips, mode);
    if (!pos)
        return;
    const QPoint origin = screen->geometry().topLeft();
    window->move(origin.x() + static_cast<int>(std::lround(pos->x() / kTwipsPerPixel)),
                 origin.y() + static_cast<int>(std::lround(pos->y() / kTwipsPerPixel)));
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

} // namespace mk
