#include "AppStartup.h"
#include "CommandLineText.h"
#include "Program.h"
#include "QtSettingsStore.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "Version.h"
#include "frmSetup.h"

#include <QApplication>

#include <cstdio>

namespace {

const char* const kUsage = "Usage: Quindle [--print [--json] | --version | --help]\n"
                           "\n"
                           "Veltrane desktop window: counts down to the date you care about.\n"
                           "Without an option it shows the window (one per user).\n"
                           "  --print    print the window's text for today, then exit\n"
                           "  --json     with --print: one line of JSON for status bars, with\n"
                           "             text, tooltip, class (ahead, today, passed) and days\n"
                           "  --version  print the version and exit\n"
                           "  --help     print this help and exit\n";

} // namespace

int main(int argc, char* argv[]) {
    if (const auto code =
            core::RunScriptOption(argc, argv, "Quindle", kUsage, desk::PrintTexts, desk::PrintJson))
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
    core::QtSettingsStore store;
    desk::Program program(store);
    program.SetSettingsDialogFactory([](desk::Program& p) { return new desk::frmSetup(p); });
    program.Main();
    return app.exec();
}
