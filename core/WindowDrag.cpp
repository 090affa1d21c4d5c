#include "WindowDrag.h"

namespace desk {

using State = WindowDrag::State;
using Event = WindowDrag::Event;
using Timer = WindowDrag::Timer;

WindowDrag::Step WindowDrag::Next(State state, Event event) {
    const Step stay{state, false, Timer::Keep};
    const Step end{State::Idle, true, Timer::Stop}; // the drag is over: the window's place is saved
    switch (state) {
    case State::Idle:
        // A stray settle or move (a tick's own move arriving late) means nothing without a drag.
        return event == Event::LeftPress ? Step{State::Pressed, false, Timer::Stop} : stay;
    case State::Pressed:
        switch (event) {
        case Event::FollowStarted:
            return {State::Following, false, Timer::Keep};
        case Event::CarryStarted:
            return {State::Carried, false, Timer::AwaitFirstMove};
        case Event::Release:
            return end; // a click is a drag of no distance
        case Event::DoubleClick:
            return {State::Idle, false, Timer::Stop}; // the program ends
        default:
            return stay;
        }
    case State::Following:
        if (event == Event::Release)
            return end;
        if (event == Event::DoubleClick)
            return {State::Idle, false, Timer::Stop};
        return stay;
    case State::Carried:
        switch (event) {
        case Event::WindowMoved:
        case Event::StillHeld:
            return {State::Carried, false, Timer::AwaitStill};
        case Event::Release:
        case Event::Settled:
            return {State::Trailing, true, Timer::AwaitStill};
        case Event::LeftPress:
            // The carried move ended unnoticed; its place is kept before the new press.
            return {State::Pressed, true, Timer::Stop};
        case Event::DoubleClick:
            return {State::Idle, false, Timer::Stop};
        default:
            return stay;
        }
    case State::Trailing:
        switch (event) {
        case Event::WindowMoved:
            return {State::Trailing, true, Timer::AwaitStill}; // the window manager's late move
        case Event::Settled:
        case Event::StillHeld:
        case Event::DoubleClick:
            return {State::Idle, false, Timer::Stop};
        case Event::LeftPress:
            return {State::Pressed, false, Timer::Stop};
        default:
            return stay;
        }
    }
    return stay;
}

WindowDrag::Step WindowDrag::Handle(Event event) {
    const Step step = Next(state_, event);
    state_ = step.Next;
    return step;
}

WindowDrag::Step WindowDrag::Press(QPoint at, QPoint windowPos) {
    pressedAt_ = at;
    grabOffset_ = at - windowPos;
    return Handle(Event::LeftPress);
}

bool WindowDrag::FarEnough(QPoint at, int distance) const {
    return state_ == State::Pressed && (at - pressedAt_).manhattanLength() >= distance;
}

} // namespace desk
