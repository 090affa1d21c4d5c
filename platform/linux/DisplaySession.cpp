#include "DisplaySession.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

namespace platform {

void PreferX11WhenAvailable() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}

bool DisplayAvailable(const char* programName) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "%s: there is no display to show on (DISPLAY is not set).\n", programName);
        return false;
    }
    return true;
}

} // namespace platform
