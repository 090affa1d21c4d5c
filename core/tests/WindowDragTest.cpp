#include "WindowDrag.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using desk::WindowDrag;

WindowDrag::Event EventFor(char c) {
    using E = WindowDrag::Event;
    const std::map<char, E> events{{'p', E::LeftPress},   {'f', E::FollowStarted}, {'c', E::CarryStarted},
                                   {'m', E::WindowMoved}, {'r', E::Release},       {'s', E::Settled},
                                   {'h', E::StillHeld},   {'d', E::DoubleClick}};
    return events.at(c);
}

// Each row is a sequence of events and, step by step, the state reached, the settle timer's fate and
// whether the window's place is saved.
// Events: p press, f follow started, c carry started, m window moved, r release, s settled, h settled
// while the button is still down, d double click.
// States: I idle, P pressed, F following, C carried, T trailing. Timer: . kept, x stopped, A await the first
// move, W await stillness. Saved: S the place, C the carried place (the window system's).
TEST(WindowDrag, Transitions) {
    const struct {
        const char* name;
        std::string events, states, timers, saves;
    } rows[] = {
        {"a click saves the place", "pr", "PI", "xx", ".S"},
        {"the window follows the pointer", "pfmmr", "PFFFI", "x...x", "....S"},
        {"every move of a carried window restarts the wait", "pcmms", "PCCCT", "xAWWW", "....C"},
        {"a carry that never moves ends too", "pcss", "PCTI", "xAWx", "..C."},
        {"a hand held still keeps the carry going", "pcmhhr", "PCCCCT", "xAWWWW", ".....C"},
        {"the window manager's move after the end is saved", "pcrmmhr", "PCTTTII", "xAWWWx.", "..CCC.."},
        {"a press while trailing starts a new drag", "pcrpfr", "PCTPFI", "xAWx.x", "..C..S"},
        {"a missed end is saved at the next press", "pcmpr", "PCCPI", "xAWxx", "...CS"},
        {"a double click ends without a second save", "prpd", "PIPI", "xxxx", ".S.."},
        {"without a drag moves and stray timers do nothing", "mshr", "IIII", "....", "...."},
        {"a release after the settle saves nothing more", "pcsr", "PCTT", "xAW.", "..C."},
        {"moves before the drag starts change nothing", "pmsr", "PPPI", "x..x", "...S"},
        {"a second start report is ignored", "pcfm", "PCCC", "xA.W", "...."}};
    for (const auto& row : rows) {
        WindowDrag drag;
        std::string states, timers, saves;
        for (char e : row.events) {
            const WindowDrag::Step step =
                e == 'p' ? drag.Press(QPoint(100, 100), QPoint(90, 95)) : drag.Handle(EventFor(e));
            states += "IPFCT"[int(drag.Current())];
            timers += ".xAW"[int(step.SettleTimer)];
            saves += ".SC"[int(step.SavePosition)];
            EXPECT_EQ(drag.HoldsWindow(), drag.Current() != WindowDrag::State::Idle);
        }
        EXPECT_EQ(states, row.states) << row.name;
        EXPECT_EQ(timers, row.timers) << row.name;
        EXPECT_EQ(saves, row.saves) << row.name;
    }
}

TEST(WindowDrag, StartsAfterTheDragDistanceAndKeepsTheGrabPoint) {
    WindowDrag drag;
    EXPECT_FALSE(drag.FarEnough(QPoint(200, 200), 4)); // no press yet
    drag.Press(QPoint(100, 100), QPoint(90, 95));
    EXPECT_FALSE(drag.FarEnough(QPoint(102, 101), 4));
    EXPECT_TRUE(drag.FarEnough(QPoint(102, 102), 4));
    drag.Handle(WindowDrag::Event::FollowStarted);
    EXPECT_FALSE(drag.FarEnough(QPoint(150, 150), 4)); // started once only
    EXPECT_EQ(drag.FollowPosition(QPoint(150, 120)), QPoint(140, 115));
}

// In screen pixels at 1.5 screen pixels a toolkit pixel: the toolkit's (10, 10) is (15, 15).
TEST(WindowDrag, PlaceToSave) {
    using S = WindowDrag::Save;
    const struct {
        S save;
        QPoint windowSystem, expected;
    } rows[] = {
        {S::Place, {16, 14}, {16, 14}},       // the same toolkit pixel: the window system's exact place
        {S::Place, {17, 15}, {15, 15}},       // a move not yet carried out: where the window is going
        {S::CarriedPlace, {40, 50}, {40, 50}} // the window manager's move counts whatever the toolkit says
    };
    for (const auto& r : rows)
        EXPECT_EQ(WindowDrag::PlaceToSave(r.save, r.windowSystem, QPoint(10, 10), 1.5), r.expected)
            << int(r.save) << " " << r.windowSystem.x();
}

} // namespace
