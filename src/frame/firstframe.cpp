#include "firstframe.h"

#include "background.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace mk {

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// Whether a window of this visual and depth takes QImage::Format_RGB32's
// bytes as they lie in memory.
bool takesRgb32(const xcb_setup_t *setup, xcb_visualid_t visual, uint8_t depth)
{
    constexpr uint8_t hostOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? XCB_IMAGE_ORDER_LSB_FIRST
                                                                   : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != hostOrder)
        return false;
    bool wholeWords = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth)
            wholeWords = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!wholeWords)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual)
                    return d.data->depth == depth && v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                        && v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00
                        && v.data->blue_mask == 0xff;
    return false;
}

// Makes `frame` the background of `window`; false where the window's
// size or pixel layout does not match the picture.
bool setBackground(xcb_connection_t *c, xcb_window_t window, const QImage &frame)
{
    const auto geometryAsked = xcb_get_geometry(c, window);
    const auto attributesAsked = xcb_get_window_attributes(c, window);
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, geometryAsked, nullptr), &std::free);
    const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, attributesAsked, nullptr), &std::free);
    if (!geometry || !attributes || geometry->width != frame.width() || geometry->height != frame.height()
        || frame.format() != QImage::Format_RGB32
        || !takesRgb32(xcb_get_setup(c), attributes->visual, geometry->depth))
        return false;

    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, geometry->depth, pixmap, window, geometry->width, geometry->height);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    // As many rows to a request as the display takes.
    const auto line = static_cast<std::size_t>(frame.bytesPerLine());
    const std::size_t room = std::size_t{xcb_get_maximum_request_length(c)} * 4 - sizeof(xcb_put_image_request_t);
    const int rows = std::clamp(static_cast<int>(room / line), 1, frame.height());
    for (int y = 0; y < frame.height(); y += rows) {
        const int n = std::min(rows, frame.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, geometry->width, static_cast<uint16_t>(n), 0,
                      static_cast<int16_t>(y), 0, geometry->depth, static_cast<uint32_t>(line * std::size_t(n)),
                      frame.constScanLine(y));
    }
    xcb_free_gc(c, gc);
    xcb_change_window_attributes(c, window, XCB_CW_BACK_PIXMAP, &pixmap);
    // The window holds on to it for as long as it is the background.
    xcb_free_pixmap(c, pixmap);
    return true;
}

// Takes the background away again once the window's own first paint is on
// the display.
class BackgroundReset final : public QObject
{
public:
    BackgroundReset(QWidget *window, xcb_connection_t *connection, xcb_window_t id)
        : QObject(window), m_connection(connection), m_id(id)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintsOnScreen(static_cast<QWidget *>(watched))) {
            watched->removeEventFilter(this);
            // After the paint has been sent.
            QTimer::singleShot(0, this, [this] {
                const uint32_t none = XCB_BACK_PIXMAP_NONE;
                xcb_change_window_attributes(m_connection, m_id, XCB_CW_BACK_PIXMAP, &none);
                xcb_flush(m_connection);
                deleteLater();
            });
        }
        return false;
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_id;
};

} // namespace

QImage firstFrame(QWidget *window)
{
    const qreal ratio = window->devicePixelRatioF();
    QImage frame(window->size() * ratio, QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    window->render(&frame);
    return frame;
}

bool paintsOnScreen(const QWidget *widget)
{
    const QWindow *handle = widget->window()->windowHandle();
    return handle && handle->isExposed();
}

void showWithFirstFrame(QWidget *window)
{
    // Only the X11 platform itself: others may offer the interface without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 && QGuiApplication::platformName() == u"xcb" ? x11->connection() : nullptr;
    if (c && !window->isVisible()) {
        const auto id = static_cast<xcb_window_t>(window->winId());
        if (setBackground(c, id, firstFrame(window)))
            new BackgroundReset(window, c, id);
        firstWindowComing();
    }
    window->show();
}

} // namespace mk
