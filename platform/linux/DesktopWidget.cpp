#include "DesktopWidget.h"

#include "Xcb.h"

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QWindow>
#include <qpa/qplatformwindow.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

namespace {

// How the window asks a window manager to treat it as part of the desktop. Window managers read the
// same hints in different ways: the first row that names the running manager applies, else the last.
struct Rule {
    std::string_view manager; // _NET_WM_NAME of the window manager's check window; empty: any other
    const char* type;         // the window type put first
    bool belowUnlessTopMost;  // _NET_WM_STATE_BELOW when the window is not top-most
    bool resendWhenMapped;    // _NET_WM_DESKTOP "all" and the states asked again once the window shows
    bool placeWhenMapped;     // the window moved to its place again once it shows
};

constexpr Rule kRules[] = {
    // KWin closes a splash screen at the first click, centres it and keeps it in the normal layer
    // whatever is asked; a toolbar it places where asked, moves and keeps above when asked. It resets
    // the workspace given before mapping to the current one, so that is asked again after.
    {"KWin", "_NET_WM_WINDOW_TYPE_TOOLBAR", false, true, false},
    // Show Desktop in mutter, metacity and marco hides every window but the desktop and the docks; a
    // dock stays in the dock layer above the others unless it asks to be below them.
    {"Mutter", "_NET_WM_WINDOW_TYPE_DOCK", true, false, false},
    {"GNOME Shell", "_NET_WM_WINDOW_TYPE_DOCK", true, false, false},
    {"Metacity", "_NET_WM_WINDOW_TYPE_DOCK", true, false, false},
    {"Metacity (Marco)", "_NET_WM_WINDOW_TYPE_DOCK", true, false, false},
    // fluxbox's Show Desktop iconifies every window but those in its desktop layer, where it puts a
    // desktop window (and moves it above the others when asked; then Show Desktop takes it too). It
    // moves no such window itself: the program does.
    {"Fluxbox", "_NET_WM_WINDOW_TYPE_DESKTOP", false, false, false},
    // i3 floats a splash screen (and keeps it without decorations where the Motif hints ask for none,
    // as the toolkit's do) but places it a title bar and a border away from where it asked to be.
    {"i3", "_NET_WM_WINDOW_TYPE_SPLASH", false, false, true},
    // openbox, xfwm4, icewm: of the window types, only the splash screen, the dock and the desktop stay
    // through "Show Desktop", and of those only the splash screen keeps the ordinary stacking (top-most
    // only when asked) and the window manager's move where it offers one.
    {"", "_NET_WM_WINDOW_TYPE_SPLASH", false, false, false},
};

const Rule& RuleFor(xcb_connection_t* c) {
    std::string_view name;
    QByteArray value;
    const xcb_atom_t check = x11::Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const xcb_atom_t wmName = x11::Atom(c, "_NET_WM_NAME");
    const x11::Reply<xcb_get_property_reply_t> checkReply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, x11::Root(c), check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (checkReply && checkReply->type == XCB_ATOM_WINDOW &&
        xcb_get_property_value_length(checkReply.get()) == 4) {
        const xcb_window_t manager =
            *static_cast<const xcb_window_t*>(xcb_get_property_value(checkReply.get()));
        const x11::Reply<xcb_get_property_reply_t> nameReply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, manager, wmName, XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr));
        if (nameReply && nameReply->format == 8) {
            value = QByteArray(static_cast<const char*>(xcb_get_property_value(nameReply.get())),
                               xcb_get_property_value_length(nameReply.get()));
            name = std::string_view(value.constData(), std::size_t(value.size()));
        }
    }
    for (const Rule& rule : kRules)
        if (rule.manager.empty() || rule.manager == name)
            return rule;
    return kRules[std::size(kRules) - 1];
}

// A window's list of atoms; none when the window has no such list.
std::optional<std::vector<xcb_atom_t>> Atoms(xcb_connection_t* c, xcb_window_t id, xcb_atom_t property) {
    const x11::Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, id, property, XCB_ATOM_ATOM, 0, 64), nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return std::nullopt;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return std::vector<xcb_atom_t>(atoms, atoms + xcb_get_property_value_length(reply.get()) /
                                                      int(sizeof(xcb_atom_t)));
}

// A request to the window manager about a mapped window, as a client message to the root window.
void Ask(xcb_connection_t* c, xcb_window_t id, xcb_atom_t message, std::uint32_t a, std::uint32_t b = 0,
         std::uint32_t c2 = 0) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = message;
    event.data.data32[0] = a;
    event.data.data32[1] = b;
    event.data.data32[2] = c2;
    event.data.data32[3] = 1; // from an application
    xcb_send_event(c, 0, x11::Root(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

constexpr std::uint32_t kEveryDesktop = 0xFFFFFFFFu;

// What a rule asks again once the window first shows: the place it was shown at, and the workspace
// and states.
class WhenMapped final : public QObject {
public:
    WhenMapped(QWindow* window, const Rule& rule)
        : QObject(window), resend_(rule.resendWhenMapped), place_(rule.placeWhenMapped) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->handle())
            return false;
        // Sent as the window is about to be mapped: the toolkit has given the server its place.
        if (event->type() == QEvent::Show)
            asked_ = window->handle()->geometry().topLeft();
        if (event->type() != QEvent::Expose || !window->isExposed())
            return false;
        xcb_connection_t* c = x11::Connection();
        const auto id = xcb_window_t(window->winId());
        if (c && resend_) {
            Ask(c, id, x11::Atom(c, "_NET_WM_DESKTOP"), kEveryDesktop);
            const xcb_atom_t state = x11::Atom(c, "_NET_WM_STATE");
            constexpr std::uint32_t add = 1;
            Ask(c, id, state, add, x11::Atom(c, "_NET_WM_STATE_STICKY"));
            Ask(c, id, state, add, x11::Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                x11::Atom(c, "_NET_WM_STATE_SKIP_PAGER"));
        }
        if (c && place_ && asked_) {
            const x11::Reply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
                c, xcb_translate_coordinates(c, id, x11::Root(c), 0, 0), nullptr));
            if (at && QPoint(at->dst_x, at->dst_y) != *asked_) {
                const std::uint32_t position[] = {std::uint32_t(asked_->x()), std::uint32_t(asked_->y())};
                xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position);
            }
        }
        if (c)
            xcb_flush(c);
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    bool resend_;
    bool place_;
    std::optional<QPoint> asked_;
};

} // namespace

// _NET_WM_DESKTOP "all" and the sticky state put the window on every workspace; the window type and
// the states that keep it in place through "Show Desktop" depend on the window manager (the rules
// above).
void MakeDesktopWidget(QWindow* window) {
    xcb_connection_t* c = x11::Connection();
    if (!c || !window)
        return;
    const Rule& rule = RuleFor(c);
    const auto id = xcb_window_t(window->winId());
    // Window managers take the first type they know; the toolkit keeps a type set before its own. A
    // window built again keeps its property: a type put first before is taken out first.
    const xcb_atom_t typeProperty = x11::Atom(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t type = x11::Atom(c, rule.type);
    if (typeProperty != XCB_ATOM_NONE && type != XCB_ATOM_NONE) {
        std::vector<xcb_atom_t> types{type};
        for (const xcb_atom_t t : Atoms(c, id, typeProperty).value_or(std::vector<xcb_atom_t>()))
            if (t != type)
                types.push_back(t);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, typeProperty, XCB_ATOM_ATOM, 32,
                            std::uint32_t(types.size()), types.data());
    }
    const xcb_atom_t desktop = x11::Atom(c, "_NET_WM_DESKTOP");
    if (desktop != XCB_ATOM_NONE)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1, &kEveryDesktop);
    // Window managers read the initial state from this property when the window is first mapped; the
    // toolkit adds its own states (the top-most one among them) to it as it shows the window and keeps
    // these. Replaced, not added to: a window built again keeps its property, and with it a state of
    // its last build that may no longer hold.
    const xcb_atom_t stateProperty = x11::Atom(c, "_NET_WM_STATE");
    std::vector<xcb_atom_t> states = {x11::Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                      x11::Atom(c, "_NET_WM_STATE_SKIP_PAGER"),
                                      x11::Atom(c, "_NET_WM_STATE_STICKY")};
    if (rule.belowUnlessTopMost && !(window->flags() & Qt::WindowStaysOnTopHint))
        states.push_back(x11::Atom(c, "_NET_WM_STATE_BELOW"));
    if (stateProperty != XCB_ATOM_NONE)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, stateProperty, XCB_ATOM_ATOM, 32,
                            std::uint32_t(states.size()), states.data());
    if ((rule.resendWhenMapped || rule.placeWhenMapped) &&
        !window->findChild<WhenMapped*>(QString(), Qt::FindDirectChildrenOnly))
        new WhenMapped(window, rule);
    xcb_flush(c);
}

bool WindowManagerMoves(QWindow* window) {
    xcb_connection_t* c = x11::Connection();
    if (!c || !window)
        return true;
    const xcb_atom_t allowed = x11::Atom(c, "_NET_WM_ALLOWED_ACTIONS");
    const xcb_atom_t move = x11::Atom(c, "_NET_WM_ACTION_MOVE");
    if (allowed == XCB_ATOM_NONE || move == XCB_ATOM_NONE)
        return true;
    // A window manager that lists no actions says nothing either way.
    const std::optional<std::vector<xcb_atom_t>> actions = Atoms(c, xcb_window_t(window->winId()), allowed);
    return !actions || std::find(actions->begin(), actions->end(), move) != actions->end();
}

} // namespace platform
