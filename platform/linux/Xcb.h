#pragma once

// The X11 connection the toolkit already has, and the replies of the X server's C binding held so
// that they are freed once, as that binding wants (with std::free), whichever way a function returns.

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform::x11 {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

// The application's connection; null when it does not run on X11 (or before the application exists).
xcb_connection_t* Connection();

// The first screen's root window.
xcb_window_t Root(xcb_connection_t* c);

// The atom of that name, made when the server has none yet; XCB_ATOM_NONE when the server does not say.
xcb_atom_t Atom(xcb_connection_t* c, const char* name);

} // namespace platform::x11
