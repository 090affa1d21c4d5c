#include "StartupEntry.h"

#include "Autostart.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace desk {

namespace {
const QString kProductName = QStringLiteral("Quindle");
}

bool AddStartupEntry() {
    return platform::AddStartupEntry(kProductName,
                                     QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath());
}

bool RemoveStartupEntry() {
    return platform::RemoveStartupEntry(kProductName);
}

} // namespace desk
