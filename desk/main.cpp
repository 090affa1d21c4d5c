#include "CommandLineText.h"
#include "QtSettingsStore.h"
#include "Version.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage = "Usage: Quindle [--print | --version | --help]\n"
                           "\n"
                           "Veltrane desktop window: counts down to the date you care about.\n"
                           "  --print    print the window's text for today, then exit\n"
                           "  --version  print the version and exit\n"
                           "  --help     print this help and exit\n";

} // namespace

int main(int argc, char* argv[]) {
    const char* first = argc > 1 ? argv[1] : "";
    if (std::strcmp(first, "--version") == 0) {
        std::printf("Quindle %s\n", core::kVersionText);
        return 0;
    }
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (std::strcmp(first, "--print") == 0) {
        QCoreApplication app(argc, argv);
        core::QtSettingsStore store;
        return core::Emit(desk::PrintTexts(store));
    }
    std::fputs(kUsage, stderr);
    return 2;
}
