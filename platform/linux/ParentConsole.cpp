#include "ParentConsole.h"

namespace platform {

// Programs here inherit the standard streams of whoever started them.
void UseParentConsole() {}

} // namespace platform
