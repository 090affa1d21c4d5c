#include "AppStartup.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

namespace ui {

void PreferX11WhenAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
#endif
}

bool DisplayAvailable(const char* programName) {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "%s: there is no display to show on (DISPLAY is not set).\n", programName);
        return false;
    }
#else
    Q_UNUSED(programName);
#endif
    return true;
}

} // namespace ui
