#pragma once

#include <QDate>

#include <functional>

namespace core {

// The one source of "today" for both programs. Tests install their own source; the programs never do.
QDate Today();

using TodaySource = std::function<QDate()>;

// Replaces the source until the returned guard goes out of scope.
class ScopedToday {
public:
    explicit ScopedToday(QDate fixed);
    explicit ScopedToday(TodaySource source);
    ~ScopedToday();
    ScopedToday(const ScopedToday&) = delete;
    ScopedToday& operator=(const ScopedToday&) = delete;

private:
    TodaySource previous_;
};

} // namespace core
