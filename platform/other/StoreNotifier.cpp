#include "StoreNotifier.h"

namespace platform {

// No way to be told of changes is known on this system: the programs see them at their next start.
class StoreNotifier::Watch {};

StoreNotifier::StoreNotifier(const QString&, QObject* parent) : QObject(parent) {}

StoreNotifier::~StoreNotifier() = default;

} // namespace platform
