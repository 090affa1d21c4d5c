#pragma once

#include <QDateTime>

namespace desk {

// Milliseconds until the desktop window should look at the calendar again: just after the next local
// midnight, but never more than ten minutes away, so that a machine waking from sleep or a changed
// clock is noticed soon after.
qint64 MsUntilNextDayCheck(const QDateTime& now);

} // namespace desk
