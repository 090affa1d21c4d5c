#include "AboutTexts.h"

#include "Vendor.h"

namespace about {

QString Caption(const QString& productName) {
    return QStringLiteral("About - ") + productName;
}

QString VersionText(int major, int minor) {
    return QStringLiteral("Version %1.%2").arg(major).arg(minor);
}

QString Description() {
    return QStringLiteral("Use this program to count down to a specific date.") +
           QStringLiteral(" The date is calculated by subtracting the Current Date") +
           QStringLiteral(
               " from the Target Date. While the Target Date has not been reached the Event Text") +
           QStringLiteral(
               " is displayed along with the remaining Year(s), Month(s) and Day(s). The Target Text will") +
           QStringLiteral(" be displayed when the Target Date is reached. The Target Passed Text will be") +
           QStringLiteral(" displayed when the Future Date has passed.");
}

QString Contact() {
    return QStringLiteral("Please report any problems or ideas for") +
           QStringLiteral(
               " new features to the email address shown below.  Thank you for your consideration.");
}

QString CopyrightLine() {
    return QStringLiteral("Copyright \u00A9 %1. All rights reserved.").arg(QString::fromUtf8(kVendorName));
}

QString WebsiteCaption() {
    return QString::fromUtf8(kVendorName) + QStringLiteral(" Website");
}

QString EmailCaption() {
    return QStringLiteral("Email: ") + QString::fromUtf8(kVendorEmail);
}

QString WebsiteToolTip(core::Program program) {
    return program == core::Program::ScreenSaver ? QStringLiteral(" Click to visit Vendor's WebSite ")
                                                 : QStringLiteral(" Click to Visit Vendor's WebSite ");
}

QUrl WebsiteUrl() {
    return QUrl(QString::fromUtf8(kVendorWebsite));
}

// A mail link carries no blank after "mailto:": in a URL it would become part of the address.
QUrl MailUrl() {
    return QUrl(QStringLiteral("mailto:") + QString::fromUtf8(kVendorEmail));
}

} // namespace about
