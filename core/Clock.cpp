#include "Clock.h"

#include <utility>

namespace core {

namespace {
TodaySource& Source() {
    static TodaySource source;
    return source;
}
} // namespace

QDate Today() {
    if (const auto& source = Source())
        return source();
    return QDate::currentDate();
}

ScopedToday::ScopedToday(QDate fixed) : ScopedToday(TodaySource([fixed] { return fixed; })) {}

ScopedToday::ScopedToday(TodaySource source) : previous_(std::exchange(Source(), std::move(source))) {}

ScopedToday::~ScopedToday() {
    Source() = std::move(previous_);
}

} // namespace core
