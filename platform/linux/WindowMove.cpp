#include "WindowMove.h"

#include "ScreenPixels.h"
#include "Xcb.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

// The toolkit's own window-system interface: its geometry bookkeeping is updated directly, as its X11
// plug-in does on a configure notification, minus the server round trips that plug-in makes each time.
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <cstdint>

namespace platform {

namespace {

using x11::Reply;

// Gives the toolkit a window's new native geometry (and its screen, where that changed) at once, as
// its X11 plug-in does on a configure notification.
void TellToolkit(QWindow& window, const QRect& native) {
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(&window,
                                                                                              native);
    if (QGuiApplication::screens().size() > 1) {
        QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
        if (screen && screen != window.screen())
            QWindowSystemInterface::handleWindowScreenChanged<QWindowSystemInterface::SynchronousDelivery>(
                &window, screen);
    }
}

// How often (in moves) to ask again whether a window manager handles the window and which events the
// toolkit selects on it: a window manager may start later.
constexpr unsigned kMovesBetweenChecks = 256;

// Moves one window with a single configure request each time and keeps the toolkit's idea of its
// place in step without a word from the server. Installed as a filter of the application's native
// events, it drops the configure notifications that only confirm such a move: acted on, each would make
// the toolkit ask the server four questions and wait for every answer.
class QuietMover final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit QuietMover(QObject* parent) : QObject(parent) {}

    void Move(xcb_connection_t* c, QWindow& window, const QRect& native) {
        const auto id = xcb_window_t(window.winId());
        if (id != window_ || ++moves_ >= kMovesBetweenChecks)
            Check(c, id);
        // A window no manager looks after moves at once and tells only those who asked for structure
        // events: the toolkit, which needs no telling. Deselecting them around the request keeps the
        // notification from being sent at all, so nothing wakes the toolkit's event reader for it.
        const bool deselect = !managed_ && (eventMask_ & XCB_EVENT_MASK_STRUCTURE_NOTIFY) != 0;
        if (deselect) {
            const std::uint32_t quiet = eventMask_ & ~std::uint32_t(XCB_EVENT_MASK_STRUCTURE_NOTIFY);
            xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &quiet);
        }
        const std::uint32_t position[] = {std::uint32_t(native.x()), std::uint32_t(native.y())};
        xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position);
        if (deselect)
            xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &eventMask_);
        xcb_flush(c);

        placed_ = native;
        TellToolkit(window, native);
    }

    // The toolkit was told another place since the last move: news of that move is news again.
    void Forget() { placed_ = QRect(); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_CONFIGURE_NOTIFY)
            return false;
        const auto* notify = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        // A window manager's own notice (sent, so flagged synthetic) gives the place on the screen; the
        // server's gives it within the parent, which is the screen only for a window no manager holds.
        const bool sent = (event->response_type & 0x80) != 0;
        if (notify->window != window_ || (!sent && managed_))
            return false;
        return QRect(notify->x, notify->y, notify->width, notify->height) == placed_;
    }

private:
    void Check(xcb_connection_t* c, xcb_window_t id) {
        window_ = id;
        moves_ = 0;
        managed_ = true; // until shown otherwise: then the request is only sent, never muted
        eventMask_ = 0;
        const auto attributesCookie = xcb_get_window_attributes(c, id);
        const auto geometryCookie = xcb_get_geometry(c, id);
        const Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c, attributesCookie, nullptr));
        const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, geometryCookie, nullptr));
        if (!attributes || !geometry)
            return;
        // A window manager is the client that redirects the root window's children.
        const Reply<xcb_get_window_attributes_reply_t> root(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, geometry->root), nullptr));
        if (!root)
            return;
        managed_ = !attributes->override_redirect &&
                   (root->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT) != 0;
        eventMask_ = attributes->your_event_mask;
    }

    xcb_window_t window_ = XCB_NONE;
    unsigned moves_ = 0;
    bool managed_ = true;
    std::uint32_t eventMask_ = 0; // the events the toolkit selects on the window
    QRect placed_;                // the native geometry last given to the toolkit
};

// The mover, once a window has been moved through it; none before.
QPointer<QuietMover>& ExistingMover() {
    static QPointer<QuietMover> mover;
    return mover;
}

QuietMover* Mover() {
    QPointer<QuietMover>& mover = ExistingMover();
    if (!mover && qGuiApp) {
        mover = new QuietMover(qGuiApp);
        qGuiApp->installNativeEventFilter(mover);
    }
    return mover;
}

} // namespace

void MoveTopLevelWindow(QWidget& window, QPoint topLeft) {
    xcb_connection_t* c = x11::Connection();
    QWindow* handle = window.windowHandle();
    if (!c || !window.isWindow() || !window.isVisible() || !handle || !handle->handle()) {
        window.move(topLeft);
        return;
    }
    // topLeft places the frame, as QWidget::move does; the window system places the inside.
    const QRect inside(topLeft + (window.geometry().topLeft() - window.pos()), window.size());
    const QRect native = QHighDpi::toNativeWindowGeometry(inside, handle);
    if (native == handle->handle()->geometry())
        return; // already there: no work at all
    if (QuietMover* mover = Mover())
        mover->Move(c, *handle, native);
    else
        window.move(topLeft);
}

void AdoptWindowSystemPosition(QWindow* window) {
    if (!x11::Connection() || !window || !window->handle() || !window->isVisible())
        return;
    // The toolkit's X11 plug-in reads a window's place from the server when it hears of a change, and
    // only then: read while a window manager is still framing the window, it can stay wrong for good.
    const QRect recorded = window->handle()->geometry();
    const QPoint at = ScreenPixelPosition(window);
    if (at == recorded.topLeft())
        return;
    TellToolkit(*window, QRect(at, recorded.size()));
    if (QuietMover* mover = ExistingMover())
        mover->Forget();
}

bool StartSystemMove(QWindow* window, QPoint pressedAt) {
    xcb_connection_t* c = x11::Connection();
    if (!c || !window || !window->handle())
        return window && window->startSystemMove();
    const xcb_window_t root = x11::Root(c);
    const xcb_atom_t moveResize = x11::Atom(c, "_NET_WM_MOVERESIZE");
    const xcb_atom_t supported = x11::Atom(c, "_NET_SUPPORTED");
    if (root == XCB_NONE || moveResize == XCB_ATOM_NONE || supported == XCB_ATOM_NONE)
        return false;
    // Only a window manager that lists the request carries it out.
    bool offered = false;
    for (std::uint32_t offset = 0;; offset += 256) {
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, offset, 256), nullptr));
        if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
            break;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < count && !offered; ++i)
            offered = atoms[i] == moveResize;
        if (offered || reply->bytes_after == 0)
            break;
    }
    if (!offered)
        return false;
    // The window manager moves the window by the pointer's travel from the point given here.
    const QPoint from = QHighDpi::toNativePixels(pressedAt, window->screen());
    constexpr std::uint32_t kMove = 8;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = moveResize;
    event.data.data32[0] = std::uint32_t(from.x());
    event.data.data32[1] = std::uint32_t(from.y());
    event.data.data32[2] = kMove;
    event.data.data32[3] = XCB_BUTTON_INDEX_1;
    event.data.data32[4] = 1; // from an application
    // The press's implicit grab would keep the window manager from taking the pointer.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    return true;
}

} // namespace platform
