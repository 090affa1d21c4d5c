#include "FileListClicks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using saver::FileListClicks;

// Events: p press, k key, h the press or key handled, m the selection moved, r released (the view's
// click). States: I idle, H handling, X handling after the press moved the selection, M moved. C: a click.
TEST(FileListClicks, Transitions) {
    using E = FileListClicks::Event;
    const std::map<char, E> events{
        {'p', E::Press}, {'k', E::Key}, {'h', E::InputHandled}, {'m', E::SelectionMoved}, {'r', E::Released}};
    const struct {
        const char* name;
        std::string events, states, clicks;
    } rows[] = {
        {"a press that moves the selection clicks once", "pmhr", "HXMM", ".C.."},
        {"a press on the selected file clicks at its release", "phr", "HII", "..C"},
        {"a key that moves the selection clicks", "kmh", "HXM", ".C."},
        {"the list moving by itself is no click", "mpmhm", "IHXMM", "..C.."},
        {"the next press counts its release again", "pmhrphr", "HXMMHII", ".C....C"},
        {"a key after a moving press keeps its release from counting", "pmhkmhr", "HXMXXMM", ".C..C.."}};
    for (const auto& row : rows) {
        FileListClicks clicks;
        std::string states, shown;
        for (char e : row.events) {
            shown += clicks.Handle(events.at(e)) ? 'C' : '.';
            states += "IHXM"[int(clicks.Current())];
        }
        EXPECT_EQ(states, row.states) << row.name;
        EXPECT_EQ(shown, row.clicks) << row.name;
    }
}

TEST(FileListClicks, TheDialogsOwnSelectionIsNoClick) {
    FileListClicks clicks;
    clicks.Handle(FileListClicks::Event::Press);
    clicks.DialogSelects(true);
    EXPECT_FALSE(clicks.Handle(FileListClicks::Event::SelectionMoved));
    clicks.DialogSelects(false);
    EXPECT_TRUE(clicks.Handle(FileListClicks::Event::SelectionMoved));
}

} // namespace
