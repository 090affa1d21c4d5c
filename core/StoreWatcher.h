#pragma once

#include "SettingsStore.h"

#include <QObject>
#include <QTimer>

namespace core {

// Tells when the store was changed by someone else: the other program, a hand edit, a sync tool. It is
// told through Touched() each time the store may have been written, by anyone (one save may touch it
// several times); once a burst of touches has ended it reads the store again and reports a change when
// the store has found values other than those this process last read or wrote, there or while saving.
// So this process's own saves never count, however close together, and another's that lands during one
// of them does.
class StoreWatcher : public QObject {
    Q_OBJECT
public:
    explicit StoreWatcher(const SettingsStore& store, QObject* parent = nullptr);

    void Touched();
    // How many bursts of touches have ended and been looked at, reported or not.
    int BurstsSettled() const { return burstsSettled_; }

Q_SIGNALS:
    void ChangedOutside();

private:
    void Settled();

    const SettingsStore& store_;
    QTimer settle_;
    quint64 reported_;
    int burstsSettled_ = 0;
};

} // namespace core
