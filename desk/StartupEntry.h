#pragma once

namespace desk {

// The entry that starts Quindle when the user logs on, named after the program and holding the
// absolute path of the running program file. Failures are ignored by the settings dialog; the
// results are for tests.
bool AddStartupEntry();
bool RemoveStartupEntry();

} // namespace desk
