#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace ui {

// Opens web pages, mail links and documents with the desktop's own applications, never through a
// shell. Tests install an opener to see the requests instead.
bool OpenLink(const QUrl& url);
// The read-me document: WordPad on Windows, the desktop's default application elsewhere.
bool OpenReadMe(const QString& path);

using LinkOpener = std::function<bool(const QUrl&)>;
LinkOpener SetLinkOpener(LinkOpener opener);

} // namespace ui
