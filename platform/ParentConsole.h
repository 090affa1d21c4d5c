#pragma once

namespace platform {

// Lets a windowed program (one the system starts without a console of its own) print its command-line
// answers (--print, --help, --version) in the console it was started from: on Windows, standard output
// and error that have no destination are sent to the parent's console, when it has one; streams
// redirected to a file or a pipe stay as they are. Call first thing in main, only for such options: an
// attached program ends with that console. Nothing to do where programs always inherit their streams.
void UseParentConsole();

} // namespace platform
