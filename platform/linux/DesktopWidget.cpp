#include "DesktopWidget.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

// The window is a splash screen to the window manager: of the window types, only it, the dock and the
// desktop stay through "Show Desktop" under window managers such as openbox, and of those only the
// splash screen keeps the ordinary stacking (top-most only when asked) and the window manager's move
// where it offers one. _NET_WM_DESKTOP "all" and the sticky state put it on every workspace.
void MakeDesktopWidget(QWindow* window) {
    xcb_connection_t* c = Connection();
    if (!c || !window)
        return;
    const xcb_window_t id = xcb_window_t(window->winId());
    // Window managers take the first type they know; the toolkit keeps a type set before its own.
    const xcb_atom_t type = Atom(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t splash = Atom(c, "_NET_WM_WINDOW_TYPE_SPLASH");
    if (type != XCB_ATOM_NONE && splash != XCB_ATOM_NONE)
        xcb_change_property(c, XCB_PROP_MODE_PREPEND, id, type, XCB_ATOM_ATOM, 32, 1, &splash);
    const xcb_atom_t desktop = Atom(c, "_NET_WM_DESKTOP");
    const std::uint32_t everyDesktop = 0xFFFFFFFFu;
    if (desktop != XCB_ATOM_NONE)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1, &everyDesktop);
    // Window managers read the initial state from this property when the window is first mapped; the
    // toolkit adds its own states (the top-most one among them) to it and keeps these.
    const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
    const xcb_atom_t states[] = {Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), Atom(c, "_NET_WM_STATE_SKIP_PAGER"),
                                 Atom(c, "_NET_WM_STATE_STICKY")};
    if (state != XCB_ATOM_NONE)
        for (const xcb_atom_t s : states)
            if (s != XCB_ATOM_NONE)
                xcb_change_property(c, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &s);
    xcb_flush(c);
}

bool WindowManagerMoves(QWindow* window) {
    xcb_connection_t* c = Connection();
    if (!c || !window)
        return true;
    const xcb_atom_t allowed = Atom(c, "_NET_WM_ALLOWED_ACTIONS");
    const xcb_atom_t move = Atom(c, "_NET_WM_ACTION_MOVE");
    if (allowed == XCB_ATOM_NONE || move == XCB_ATOM_NONE)
        return true;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, xcb_window_t(window->winId()), allowed, XCB_ATOM_ATOM, 0, 64);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    // A window manager that lists no actions says nothing either way.
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return true;
    const auto* actions = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i)
        if (actions[i] == move)
            return true;
    return false;
}

} // namespace platform
