#include "Autostart.h"

namespace platform {

// No start-up mechanism is known on this system: nothing is added, and nothing is there to remove.
bool AddStartupEntry(const QString&, const QString&) {
    return false;
}
bool RemoveStartupEntry(const QString&) {
    return true;
}
bool HasStartupEntry(const QString&) {
    return false;
}

} // namespace platform
