#pragma once

namespace platform {

// Makes SIGTERM, SIGINT and SIGHUP end the application's event loops normally (a message box's or a
// dialog's open at the time, and the main loop even when it starts only after such a box), so windows
// are closed and the system state is restored as after any other ending. Call once the application
// object exists. Nothing to do where these signals do not exist.
void QuitOnTerminationSignals();

} // namespace platform
