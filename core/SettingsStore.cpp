#include "SettingsStore.h"

namespace core {

QString SectionName(Section section) {
    switch (section) {
    case Section::Common:
        return QStringLiteral("Common");
    case Section::ScreenSaver:
        return QStringLiteral("ScreenSaver");
    case Section::Desktop:
        return QStringLiteral("Desktop");
    }
    return {};
}

} // namespace core
