#include "ForeignWindow.h"

#include "Xcb.h"

namespace platform {

std::optional<QSize> ForeignWindowSize(std::uint64_t id) {
    xcb_connection_t* c = x11::Connection();
    if (!c || id == 0 || id > 0xFFFFFFFFu)
        return std::nullopt;
    const auto window = static_cast<xcb_window_t>(id);
    // Asking for window attributes first tells a window from a pixmap, which has a geometry too.
    xcb_generic_error_t* error = nullptr;
    const x11::Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), &error));
    x11::Reply<xcb_generic_error_t> attributesError(error);
    if (!attributes)
        return std::nullopt;
    error = nullptr;
    const x11::Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), &error));
    x11::Reply<xcb_generic_error_t> geometryError(error);
    if (!geometry)
        return std::nullopt;
    return QSize(geometry->width, geometry->height);
}

std::uint64_t RootWindowId() {
    xcb_connection_t* c = x11::Connection();
    return c ? x11::Root(c) : 0;
}

} // namespace platform
