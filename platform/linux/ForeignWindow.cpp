#include "ForeignWindow.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* Connection() {
    auto* app = qGuiApp;
    if (!app)
        return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

std::optional<QSize> ForeignWindowSize(std::uint64_t id) {
    xcb_connection_t* c = Connection();
    if (!c || id == 0 || id > 0xFFFFFFFFu)
        return std::nullopt;
    const auto window = static_cast<xcb_window_t>(id);
    // Asking for window attributes first tells a window from a pixmap, which has a geometry too.
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), &error));
    std::free(error);
    if (!attributes)
        return std::nullopt;
    error = nullptr;
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), &error));
    std::free(error);
    if (!geometry)
        return std::nullopt;
    return QSize(geometry->width, geometry->height);
}

std::uint64_t RootWindowId() {
    xcb_connection_t* c = Connection();
    if (!c)
        return 0;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    return screens.rem > 0 ? screens.data->root : 0;
}

} // namespace platform
