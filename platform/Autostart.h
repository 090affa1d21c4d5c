#pragma once

#include <QString>

namespace platform {

// The per-user entry that starts a program when the user logs on. Failures are ignored by callers, so
// these report them only for tests and logs. Linux: $XDG_CONFIG_HOME/autostart/<name>.desktop.
// Windows: the value <name> of the user's Run key.
bool AddStartupEntry(const QString& name, const QString& programPath);
bool RemoveStartupEntry(const QString& name);
bool HasStartupEntry(const QString& name);

} // namespace platform
