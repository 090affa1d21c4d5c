#include "AppStartup.h"

#include <QByteArray>
#include <QtGlobal>

namespace ui {

void PreferX11WhenAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
#endif
}

} // namespace ui
