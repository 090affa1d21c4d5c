#pragma once

#include <functional>

class QObject;

namespace platform {

// Runs gone on the event loop once the reader at the other end of standard output has gone (the pipe it
// read was closed), without waiting for the next write to fail. Nothing happens where standard output is
// no pipe or the system cannot tell; context ends the watch when it is destroyed. From then on a write
// to a reader that has gone fails instead of ending the process with a signal.
void WatchOutputReader(QObject* context, std::function<void()> gone);

} // namespace platform
