#include "TerminationSignals.h"

namespace platform {

void QuitOnTerminationSignals() {}

} // namespace platform
