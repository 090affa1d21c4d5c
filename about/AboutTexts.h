#pragma once

#include "TimeLeft.h"

#include <QString>
#include <QUrl>

namespace about {

// The fixed texts of the About box.
QString Caption(const QString& productName);
QString VersionText(int major, int minor);
QString Description();
QString Contact();
QString CopyrightLine();
QString WebsiteCaption();
QString EmailCaption();
QString WebsiteToolTip(core::Program program);
QUrl WebsiteUrl();
QUrl MailUrl();

} // namespace about
