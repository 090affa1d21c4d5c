#include "DocumentViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace platform
