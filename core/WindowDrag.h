#pragma once

#include <QPoint>

namespace desk {

// The left-button drag of the desktop window, from the press to the end of the move. The drag starts
// once the pointer has moved a little (so a double click never moves anything); then either the window
// follows the pointer itself or the window manager carries it. A carried move reports its end with a
// button release where the system gives one; otherwise it has ended once the window has kept still for
// a while (the settle timer) and the system does not report the button still down. The window manager
// may carry out the last pointer motion only after the program has seen the button go up: until the
// window has kept still once more, each move it makes is saved again. While the window is held (the
// trailing wait included), movement ticks leave it alone, so the only moves seen in a carried move are
// the window manager's.
class WindowDrag {
public:
    enum class State {
        Idle,      // no drag: ticks move the window, the hint may show
        Pressed,   // left button down, the pointer not yet moved far enough
        Following, // the window follows the pointer
        Carried,   // the window manager moves the window
        Trailing,  // a carried move has ended: the window manager may still be catching up with it
    };
    enum class Event {
        LeftPress,
        FollowStarted, // the pointer moved far enough; this program moves the window
        CarryStarted,  // the pointer moved far enough; the window manager took the move over
        WindowMoved,
        Release,
        Settled,   // the settle timer ran out
        StillHeld, // the settle timer ran out, but the system reports the button still down
        DoubleClick,
    };
    // What becomes of the settle timer.
    enum class Timer {
        Keep,
        Stop,
        AwaitFirstMove, // long: the window manager may take a moment to start
        AwaitStill,     // short: restarted by every move the window manager makes
    };
    // Whether the window's place is saved, and which place counts.
    enum class Save {
        Nothing,
        Place,        // after the program's own moves (or none)
        CarriedPlace, // after a move the window manager carried out
    };
    struct Step {
        State Next = State::Idle;
        Save SavePosition = Save::Nothing;
        Timer SettleTimer = Timer::Keep;
        bool operator==(const Step&) const = default;
    };

    // The transition table.
    static Step Next(State state, Event event);

    // The place a save keeps, in screen pixels, from where the window system has the window and where
    // the toolkit is sending it (`ratio` screen pixels to a toolkit pixel). After a carried move the
    // window system's place counts: news of it may still be on its way to the program. After the
    // program's own moves a window manager may not have carried out the last one yet: the toolkit's
    // place counts unless the two name the same toolkit pixel.
    static QPoint PlaceToSave(Save save, QPoint windowSystem, QPoint toolkit, double ratio);

    // Applies an event and returns what the window does next.
    Step Handle(Event event);
    // A left press at global point `at` on a window whose top-left corner is `windowPos`.
    Step Press(QPoint at, QPoint windowPos);
    // True once the pointer, with the button still down, is `distance` or more from the press.
    bool FarEnough(QPoint at, int distance) const;
    // Where a following window goes for the pointer at `at`.
    QPoint FollowPosition(QPoint at) const { return at - grabOffset_; }

    State Current() const { return state_; }
    // Movement ticks wait while the user holds the window.
    bool HoldsWindow() const { return state_ != State::Idle; }

private:
    State state_ = State::Idle;
    QPoint pressedAt_;
    QPoint grabOffset_;
};

} // namespace desk
