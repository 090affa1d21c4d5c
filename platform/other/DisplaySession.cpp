#include "DisplaySession.h"

namespace platform {

void PreferX11WhenAvailable() {}

bool DisplayAvailable(const char*) {
    return true;
}

} // namespace platform
