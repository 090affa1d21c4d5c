#include "SaverCommandLine.h"

#include <gtest/gtest.h>

namespace {

using saver::SaverMode;

QStringList Args(const char* line) {
    return QString::fromLatin1(line).split(u' '); // empty parts kept, so the joined line keeps its blanks
}

// The end-to-end tests run the plain forms with the real program: no argument, /s, /p with a window and
// without, /c, /C:1234, /a, --root, --window-id, XSCREENSAVER_WINDOW over --root and --rooted.
TEST(SaverCommandLine, ModeWordsAndPreviewHandles) {
    const struct {
        const char* line;
        SaverMode mode;
        std::int64_t window;
    } rows[] = {{"/s 123", SaverMode::FullScreen, 0},
                {"/scr", SaverMode::FullScreen, 0},
                {"   /s   ", SaverMode::FullScreen, 0},
                {"  /P:ABC12  ", SaverMode::Preview, 12}, // trimmed and read in lower case
                {"/p1234", SaverMode::Preview, 1234},
                {"/p window", SaverMode::Preview, 0},
                {"/p 12.5", SaverMode::Preview, 12}, // rounded, halves to even
                {"/p 13.5", SaverMode::Preview, 14},
                {"/p -7", SaverMode::Preview, -7},    // not a window: the preview ends at once
                {"/p 12 34", SaverMode::Preview, 34}, // "12 34" is not a number; " 34" is
                {"/p 99999999999", SaverMode::Preview, 2147483647},
                {"s", SaverMode::None, 0}};
    for (const auto& r : rows) {
        const saver::SaverCommand command = saver::ParseSaverCommandLine(Args(r.line));
        EXPECT_EQ(command.mode, r.mode) << r.line;
        EXPECT_EQ(command.window, r.window) << r.line;
        EXPECT_FALSE(command.rootWindow) << r.line;
    }
}

TEST(SaverCommandLine, DaemonForms) {
    const struct {
        const char *line, *env;
        SaverMode mode;
        std::int64_t window;
        bool root;
    } rows[] = {
        {"-root", "", SaverMode::Hosted, 0, true},
        {"-window-id 0x400007", "", SaverMode::Hosted, 0x400007, false},
        {"--window-id=0x400007", "", SaverMode::Hosted, 0x400007, false},
        {"--window-id", "", SaverMode::Hosted, 0, false},         // no id: nothing to draw in
        {"--window-id nowhere", "", SaverMode::Hosted, 0, false}, // not an id
        {"", "44040195", SaverMode::Hosted, 44040195, false},     // alone; the end-to-end test adds --root
        {"--window-id 77", "0x2a00003", SaverMode::Hosted, 77, false}, // an explicit window wins
        {"/s", "0x2a00003", SaverMode::FullScreen, 0, false},          // a mode word is the user's choice
        {"--root", "rubbish", SaverMode::Hosted, 0, true}};
    for (const auto& r : rows) {
        const saver::SaverCommand command =
            saver::ParseSaverCommandLine(Args(r.line), QString::fromLatin1(r.env));
        EXPECT_EQ(command.mode, r.mode) << r.line << " / " << r.env;
        EXPECT_EQ(command.window, r.window) << r.line << " / " << r.env;
        EXPECT_EQ(command.rootWindow, r.root) << r.line << " / " << r.env;
    }
}

} // namespace
