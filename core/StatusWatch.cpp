#include "StatusWatch.h"

#include "Clock.h"
#include "DayWatch.h"

#include <QCoreApplication>
#include <QDateTime>

namespace core {

StatusWatch::StatusWatch(const SettingsStore& store, Status status, std::FILE* out, std::FILE* err)
    : store_(store), watcher_(store), status_(status), out_(out), err_(err) {
    dayCheck_.setSingleShot(true);
    connect(&dayCheck_, &QTimer::timeout, this, &StatusWatch::DayCheck);
    connect(&watcher_, &StoreWatcher::ChangedOutside, this, &StatusWatch::Write);
}

void StatusWatch::Start() {
    Write();
    dayCheck_.start(int(desk::MsUntilNextDayCheck(QDateTime::currentDateTime())));
}

void StatusWatch::DayCheck() {
    if (Today() != day_)
        Write();
    dayCheck_.start(int(desk::MsUntilNextDayCheck(QDateTime::currentDateTime())));
}

void StatusWatch::Write() {
    day_ = Today();
    store_.Refresh();
    Emit(status_(store_), out_, err_);
    if (std::ferror(out_)) { // the reader has gone (a closed pipe): nothing left to do
        readerGone_ = true;
        QCoreApplication::exit(0);
    }
}

int RunStatusWatch(StatusWatch& watch) {
    watch.Start();
    return watch.ReaderGone() ? 0 : QCoreApplication::exec();
}

} // namespace core
