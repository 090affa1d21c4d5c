#include "Links.h"

#include "DocumentViewer.h"

#include <QDesktopServices>

#include <utility>

namespace ui {

namespace {
LinkOpener& Opener() {
    static LinkOpener opener;
    return opener;
}
} // namespace

bool OpenLink(const QUrl& url) {
    if (Opener())
        return Opener()(url);
    return QDesktopServices::openUrl(url);
}

bool OpenReadMe(const QString& path) {
    if (Opener())
        return Opener()(QUrl::fromLocalFile(path));
    return platform::OpenDocument(path);
}

LinkOpener SetLinkOpener(LinkOpener opener) {
    return std::exchange(Opener(), std::move(opener));
}

} // namespace ui
