#include "AppStartup.h"

#include "Version.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace ui {

std::optional<int> RunScriptOption(int argc, char* argv[], const char* programName, const char* usage,
                                   const StoreOpener& openStore, Printer print, Printer printJson) {
    const char* first = argc > 1 ? argv[1] : "";
    if (std::strcmp(first, "--version") == 0) {
        std::printf("%s %s\n", programName, core::kVersionText);
        return 0;
    }
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (std::strcmp(first, "--print") == 0) {
        Printer chosen = print;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--json") == 0 && printJson) {
                chosen = printJson;
            } else {
                std::fputs(usage, stderr);
                return 2;
            }
        }
        QCoreApplication app(argc, argv);
        return core::Emit(chosen(*openStore()));
    }
    return std::nullopt;
}

} // namespace ui
