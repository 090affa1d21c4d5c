#pragma once

#include <QString>

#include <chrono>

namespace core {

// QSettings guards every save of an INI file with a QLockFile "<file>.lock" that holds the writer's
// process id. A writer killed after creating that file but before writing its id leaves it empty,
// and QLockFile can then judge it stale only by age (30 s), so every later save of either program
// would wait that long. These remove such a lock before a save.

// An empty lock file this old was left by a dead writer: a live one writes its id within
// microseconds of creating the file. A lock with an id inside is QLockFile's to judge.
bool IsAbandonedLock(qint64 size, std::chrono::milliseconds age);

// Removes the lock file at lockPath if it is abandoned and no process holds it; true if it did. An
// empty lock nobody holds that is not old enough yet is waited for until it is (2 s at most).
bool RemoveAbandonedLock(const QString& lockPath);

} // namespace core
