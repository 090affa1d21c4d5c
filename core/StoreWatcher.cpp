#include "StoreWatcher.h"

namespace core {

namespace {
// A save is a few file operations within a few milliseconds; waiting this long after the last touch
// reads the store once per save and still well within a second.
constexpr int kSettleMs = 150;
} // namespace

StoreWatcher::StoreWatcher(const SettingsStore& store, QObject* parent)
    : QObject(parent), store_(store), reported_(store.OutsideChanges()) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &StoreWatcher::Settled);
}

void StoreWatcher::Touched() {
    settle_.start();
}

void StoreWatcher::Settled() {
    ++burstsSettled_;
    store_.Refresh();
    if (store_.OutsideChanges() == reported_)
        return;
    reported_ = store_.OutsideChanges();
    Q_EMIT ChangedOutside();
}

} // namespace core
