#include "HtmlHelp.h"

namespace platform {

// Compiled help files have no viewer here: the programs show their HTML help pages instead.
bool ShowCompiledHelp(const QString&, int) {
    return false;
}

} // namespace platform
