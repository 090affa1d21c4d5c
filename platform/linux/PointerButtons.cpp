#include "PointerButtons.h"

#include "Xcb.h"

namespace platform {

std::optional<bool> PrimaryButtonDown() {
    xcb_connection_t* c = x11::Connection();
    if (!c)
        return std::nullopt;
    const xcb_window_t root = x11::Root(c);
    if (root == XCB_NONE)
        return std::nullopt;
    // The pointer's button state is the server's, whoever has grabbed the pointer.
    const x11::Reply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr));
    if (!reply)
        return std::nullopt;
    return (reply->mask & XCB_BUTTON_MASK_1) != 0;
}

} // namespace platform
