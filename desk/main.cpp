#include "AppStartup.h"
#include "DeskTimeLeft.h"
#include "DesktopNotification.h"
#include "DisplaySession.h"
#include "OutputReader.h"
#include "ParentConsole.h"
#include "Program.h"
#include "SingleInstance.h"
#include "StatusLine.h"
#include "StatusWatch.h"
#include "StoreNotifier.h"
#include "StoreWatcher.h"
#include "TerminationSignals.h"
#include "UserStore.h"
#include "Version.h"
#include "frmSetup.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage = "Usage: Quindle [--print [--json] | --watch [--json] | --version | --help]\n"
                           "\n"
                           "Veltrane desktop window: counts down to the date you care about.\n"
                           "Without an option it shows the window (one per user).\n"
                           "  --print    print the window's text for today, then exit\n"
                           "  --watch    keep running without a window: print the text on one line now,\n"
                           "             after each midnight and whenever the settings change\n"
                           "  --json     with --print or --watch: one line of JSON for status bars, with\n"
                           "             text, tooltip, class (ahead, today, passed) and days\n"
                           "  --version  print the version and exit\n"
                           "  --help     print this help and exit\n";

// --watch, alone or with --json in either order; nothing when the command line is something else.
std::optional<int> RunWatchOption(int argc, char* argv[]) {
    bool watch = false;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--watch") == 0 && !watch)
            watch = true;
        else if (std::strcmp(argv[i], "--json") == 0 && !json)
            json = true;
        else
            return std::nullopt;
    }
    if (!watch)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    platform::QuitOnTerminationSignals();
    const auto store = platform::OpenUserStore();
    core::StatusWatch status(*store, json ? desk::PrintJson : desk::PrintStatusLine);
    platform::StoreNotifier notifier(store->Location());
    QObject::connect(&notifier, &platform::StoreNotifier::Touched, &status, &core::StatusWatch::StoreTouched);
    platform::WatchOutputReader(&status, [] { QCoreApplication::exit(0); });
    return core::RunStatusWatch(status);
}

} // namespace

int main(int argc, char* argv[]) {
    // Options for scripts (all begin with "-") answer in the console the program was started from.
    if (argc > 1 && argv[1][0] == '-')
        platform::UseParentConsole();
    if (const auto code = ui::RunScriptOption(argc, argv, "Quindle", kUsage, platform::OpenUserStore,
                                              desk::PrintTexts, desk::PrintJson))
        return *code;
    if (const auto code = RunWatchOption(argc, argv))
        return *code;
    if (argc > 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    // A second instance ends at once, before it even connects to the display.
    ui::SingleInstance instance(QStringLiteral("Quindle"));
    if (!instance.TryAcquire())
        return 0;

    if (!platform::DisplayAvailable("Quindle"))
        return 1;
    platform::PreferX11WhenAvailable();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quindle"));
    QApplication::setApplicationVersion(QString::fromLatin1(core::kVersionText));
    // The program ends when its display window is unloaded, not when a hint or dialog closes.
    QApplication::setQuitOnLastWindowClosed(false);
    // Ending the session (SIGTERM) ends the program as a double click does: icon removed, lock released.
    platform::QuitOnTerminationSignals();
    const auto store = platform::OpenUserStore();
    // Saves by the other program, by hand or by a sync tool rebuild the window as Apply does; the
    // window's own saves count as nothing new.
    core::StoreWatcher watcher(*store);
    platform::StoreNotifier notifier(store->Location());
    QObject::connect(&notifier, &platform::StoreNotifier::Touched, &watcher, &core::StoreWatcher::Touched);
    desk::Program program(*store);
    program.SetSettingsDialogFactory([](desk::Program& p) { return new desk::frmSetup(p); });
    program.SetTargetNotifier(
        [&program](const QString& summary, const QString& body, std::function<void(bool)> answered) {
            platform::ShowDesktopNotification(QStringLiteral("Quindle"), summary, body, &program,
                                              std::move(answered));
        });
    // A notification the service was not there for is sent when it comes.
    platform::WatchNotificationService(&program, [&program] { program.NotifyIfTargetDay(); });
    QObject::connect(&watcher, &core::StoreWatcher::ChangedOutside, &program,
                     &desk::Program::SettingsChangedOutside);
    program.Main();
    return app.exec();
}
