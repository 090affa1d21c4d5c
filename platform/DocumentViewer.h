#pragma once

#include <QString>

namespace platform {

// Opens a document for reading: WordPad on Windows (the read-me is rich text), the desktop's default
// application elsewhere. No shell is involved. False when nothing could be started.
bool OpenDocument(const QString& path);

} // namespace platform
