#include "AppStartup.h"
#include "DisplaySession.h"
#include "ParentConsole.h"
#include "SaverCommandLine.h"
#include "SaverMain.h"
#include "SaverTimeLeft.h"
#include "UserStore.h"

#include <QApplication>

namespace {

const char* const kUsage = "Usage: Pellmora [/s | /p <window> | /c | --root | --window-id <window>]\n"
                           "       Pellmora --print | --version | --help\n"
                           "\n"
                           "Veltrane screensaver: counts down to the date you care about.\n"
                           "  /s              run full screen (also with no argument)\n"
                           "  /p <window>     draw the preview inside that window\n"
                           "  /c              open the settings dialog\n"
                           "  --root          run inside the root window (X11 screensaver daemon)\n"
                           "  --window-id N   run inside window N (X11 screensaver daemon)\n"
                           "  --print         print the title line and the remaining time, then exit\n"
                           "  --version       print the version and exit\n"
                           "  --help          print this help and exit\n";

} // namespace

int main(int argc, char* argv[]) {
    // Options for scripts (all begin with "-") answer in the console the program was started from.
    if (argc > 1 && argv[1][0] == '-')
        platform::UseParentConsole();
    if (const auto code =
            ui::RunScriptOption(argc, argv, "Pellmora", kUsage, platform::OpenUserStore, saver::PrintTexts))
        return *code;
    {
        // A command line that asks for nothing ends at once, display or not.
        QStringList raw;
        for (int i = 1; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        if (saver::ParseSaverCommandLine(raw, qEnvironmentVariable("XSCREENSAVER_WINDOW")).mode ==
            saver::SaverMode::None)
            return 0;
    }
    if (!platform::DisplayAvailable("Pellmora"))
        return 1;
    platform::PreferX11WhenAvailable();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellmora"));
    // The program ends when the show or the settings end, not when a message box closes first.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt has taken its own options out of argv; the rest is the screensaver's command line.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return saver::Main(arguments);
}
