#include "PointerButtons.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

std::optional<bool> PrimaryButtonDown() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return std::nullopt;
    // The pointer's button state is the server's, whoever has grabbed the pointer.
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(c, xcb_query_pointer(c, screen->root), nullptr);
    if (!reply)
        return std::nullopt;
    const bool down = (reply->mask & XCB_BUTTON_MASK_1) != 0;
    std::free(reply);
    return down;
}

} // namespace platform
