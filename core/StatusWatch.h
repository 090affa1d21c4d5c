#pragma once

#include "CommandLineText.h"
#include "StoreWatcher.h"

#include <QDate>
#include <QObject>
#include <QTimer>

#include <cstdio>

namespace core {

// The status line of `--watch`: written at start, again just after each local midnight, and whenever the
// store changes (StoreTouched() is told each time it may have been written). Each line is computed from
// the store as it is at that moment. Ends the event loop (exit code 0) once the reader of the output has
// gone.
class StatusWatch : public QObject {
    Q_OBJECT
public:
    using Status = PrintResult (*)(const SettingsStore&);

    StatusWatch(const SettingsStore& store, Status status, std::FILE* out = stdout, std::FILE* err = stderr);

    void Start();
    void StoreTouched() { watcher_.Touched(); }
    bool ReaderGone() const { return readerGone_; }

private:
    void Write();
    void DayCheck();

    const SettingsStore& store_;
    StoreWatcher watcher_;
    Status status_;
    std::FILE* out_;
    std::FILE* err_;
    QTimer dayCheck_;
    QDate day_;
    bool readerGone_ = false;
};

// Runs `--watch` in a QCoreApplication that exists already: the status lines until the reader goes away
// or the event loop is ended (by a termination signal). Returns the exit code.
int RunStatusWatch(StatusWatch& watch);

} // namespace core
