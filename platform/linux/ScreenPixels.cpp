#include "ScreenPixels.h"

#include "Xcb.h"

#include <QWindow>

#include <cmath>

namespace platform {

QPoint ScreenPixelPosition(QWindow* window) {
    xcb_connection_t* c = x11::Connection();
    if (!window)
        return {};
    if (c) {
        // Where the window really is, frame or none: the toolkit's own figure is rounded to its pixels.
        const xcb_translate_coordinates_cookie_t cookie =
            xcb_translate_coordinates(c, xcb_window_t(window->winId()), x11::Root(c), 0, 0);
        const x11::Reply<xcb_translate_coordinates_reply_t> reply(
            xcb_translate_coordinates_reply(c, cookie, nullptr));
        if (reply)
            return {reply->dst_x, reply->dst_y};
    }
    const double ratio = window->devicePixelRatio();
    return {int(std::lround(window->x() * ratio)), int(std::lround(window->y() * ratio))};
}

void MoveToScreenPixel(QWindow* window, QPoint at) {
    xcb_connection_t* c = x11::Connection();
    if (!window)
        return;
    if (!c) {
        const double ratio = window->devicePixelRatio();
        window->setPosition(int(std::lround(at.x() / ratio)), int(std::lround(at.y() / ratio)));
        return;
    }
    const std::uint32_t values[] = {std::uint32_t(at.x()), std::uint32_t(at.y())};
    xcb_configure_window(c, xcb_window_t(window->winId()), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(c);
}

} // namespace platform
