#include "NativeWindowPosition.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

std::optional<QPoint> NativeWindowPosition(const QWindow* window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || !window || !window->handle())
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_translate_coordinates_reply_t* reply =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, screen->root, 0, 0), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint at(reply->dst_x, reply->dst_y);
    std::free(reply);
    return at;
}

} // namespace platform
