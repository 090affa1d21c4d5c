#include "AppStartup.h"
#include "CommandLineText.h"
#include "DesktopNotification.h"
#include "ParentConsole.h"
#include "Program.h"
#include "QtSettingsStore.h"
#include "SingleInstance.h"
#include "StatusWatch.h"
#include "StoreWatcher.h"
#include "TerminationSignals.h"
#include "Version.h"
#include "WatchedStore.h"
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
    return core::RunStatusWatch(json ? desk::PrintJson : desk::PrintStatusLine);
}

} // namespace

int main(int argc, char* argv[]) {
    // Options for scripts (all begin with "-") answer in the console the program was started from.
    if (argc > 1 && argv[1][0] == '-')
        platform::UseParentConsole();
    if (const auto code =
            core::RunScriptOption(argc, argv, "Quindle", kUsage, desk::PrintTexts, desk::PrintJson))
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

    if (!ui::DisplayAvailable("Quindle"))
        return 1;
    ui::PreferX11WhenAvailable();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quindle"));
    QApplication::setApplicationVersion(QString::fromLatin1(core::kVersionText));
    // The program ends when its display window is unloaded, not when a hint or dialog closes.
    QApplication::setQuitOnLastWindowClosed(false);
    // Ending the session (SIGTERM) ends the program as a double click does: icon removed, lock released.
    platform::QuitOnTerminationSignals();
    core::QtSettingsStore settings;
    // Saves by the other program, by hand or by a sync tool rebuild the window as Apply does; the
    // window's own saves go through the watched store and count as nothing new.
    core::StoreWatcher watcher(settings.Location());
    core::WatchedStore store(settings, watcher);
    desk::Program program(store);
    program.SetSettingsDialogFactory([](desk::Program& p) { return new desk::frmSetup(p); });
    program.SetTargetNotifier(
        [&program](const QString& summary, const QString& body, std::function<void()> shown) {
            platform::ShowDesktopNotification(QStringLiteral("Quindle"), summary, body, &program,
                                              std::move(shown));
        });
    QObject::connect(&watcher, &core::StoreWatcher::ChangedOutside, &program,
                     &desk::Program::SettingsChangedOutside);
    program.Main();
    return app.exec();
}
