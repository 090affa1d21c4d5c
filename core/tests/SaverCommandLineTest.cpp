#include "SaverCommandLine.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using saver::SaverMode;

QStringList Args(const char* line) {
    return QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts);
}

TEST(SaverCommandLine, ModeWordsAndPreviewHandles) {
    const struct {
        const char* line;
        SaverMode mode;
        std::int64_t window;
    } rows[] = {
        {"", SaverMode::FullScreen, 0},
        {"/s", SaverMode::FullScreen, 0},
        {"/s 123", SaverMode::FullScreen, 0},
        {"/scr", SaverMode::FullScreen, 0},
        {"   /s   ", SaverMode::FullScreen, 0},
        {"/p 1234", SaverMode::Preview, 1234},
        {"/p:1234", SaverMode::Preview, 1234},
        {"/p1234", SaverMode::Preview, 1234},
        {"/p", SaverMode::Preview, 0},
        {"/p window", SaverMode::Preview, 0},
        {"/p 12.5", SaverMode::Preview, 12}, // rounded, halves to even
        {"/p 13.5", SaverMode::Preview, 14},
        {"/p -7", SaverMode::Preview, -7},    // not a window: the preview ends at once
        {"/p 12 34", SaverMode::Preview, 34}, // "12 34" is not a number; " 34" is
        {"/p 99999999999", SaverMode::Preview, 2147483647},
        {"/c", SaverMode::Settings, 0},
        {"/c:1234", SaverMode::Settings, 0},
        {"/a", SaverMode::None, 0},
        {"s", SaverMode::None, 0},
        {"p 1234", SaverMode::None, 0},
    };
    for (const auto& r : rows) {
        const saver::SaverCommand command = saver::ParseSaverCommandLine(Args(r.line));
        EXPECT_EQ(command.mode, r.mode) << r.line;
        EXPECT_EQ(command.window, r.window) << r.line;
        EXPECT_FALSE(command.rootWindow) << r.line;
    }
}

TEST(SaverCommandLine, WorkingTextIsTrimmedAndLowerCase) {
    const saver::SaverCommand command = saver::ParseSaverCommandLine({QStringLiteral("  /P:ABC12  ")});
    EXPECT_EQ(command.workingText, QStringLiteral("/p:abc12"));
    EXPECT_EQ(command.modeWord, QStringLiteral("/p"));
    EXPECT_EQ(command.window, 12);
}

TEST(SaverCommandLine, DaemonForms) {
    const struct {
        const char* line;
        const char* env;
        SaverMode mode;
        std::int64_t window;
        bool root;
    } rows[] = {
        {"--root", "", SaverMode::Hosted, 0, true},
        {"-root", "", SaverMode::Hosted, 0, true},
        {"--window-id 4194311", "", SaverMode::Hosted, 4194311, false},
        {"-window-id 0x400007", "", SaverMode::Hosted, 0x400007, false},
        {"--window-id=0x400007", "", SaverMode::Hosted, 0x400007, false},
        {"--window-id", "", SaverMode::Hosted, 0, false},             // no id: nothing to draw in
        {"--window-id nowhere", "", SaverMode::Hosted, 0, false},     // not an id
        {"--root", "0x2a00003", SaverMode::Hosted, 0x2a00003, false}, // the variable wins over the root
        {"", "44040195", SaverMode::Hosted, 44040195, false},
        {"--window-id 77", "0x2a00003", SaverMode::Hosted, 77, false}, // an explicit window wins
        {"/s", "0x2a00003", SaverMode::FullScreen, 0, false},          // a mode word is the user's choice
        {"--root", "rubbish", SaverMode::Hosted, 0, true},
        {"--rooted", "", SaverMode::None, 0, false},
    };
    for (const auto& r : rows) {
        const saver::SaverCommand command =
            saver::ParseSaverCommandLine(Args(r.line), QString::fromLatin1(r.env));
        EXPECT_EQ(command.mode, r.mode) << r.line << " / " << r.env;
        EXPECT_EQ(command.window, r.window) << r.line << " / " << r.env;
        EXPECT_EQ(command.rootWindow, r.root) << r.line << " / " << r.env;
    }
}

} // namespace
