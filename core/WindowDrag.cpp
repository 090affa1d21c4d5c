#include "WindowDrag.h"

#include <cmath>
#include <cstdlib>

namespace desk {

using State = WindowDrag::State;
using Event = WindowDrag::Event;
using Timer = WindowDrag::Timer;
using Save = WindowDrag::Save;

WindowDrag::Step WindowDrag::Next(State state, Event event) {
    const Step stay{state, Save::Nothing, Timer::Keep};
    const Step end{State::Idle, Save::Place, Timer::Stop}; // the drag is over: the window's place is saved
    const Step none{State::Idle, Save::Nothing, Timer::Stop};
    switch (state) {
    case State::Idle:
        // A stray settle or move (a tick's own move arriving late) means nothing without a drag.
        return event == Event::LeftPress ? Step{State::Pressed, Save::Nothing, Timer::Stop} : stay;
    case State::Pressed:
        switch (event) {
        case Event::FollowStarted:
            return {State::Following, Save::Nothing, Timer::Keep};
        case Event::CarryStarted:
            return {State::Carried, Save::Nothing, Timer::AwaitFirstMove};
        case Event::Release:
            return end; // a click is a drag of no distance
        case Event::DoubleClick:
            return none; // the program ends
        default:
            return stay;
        }
    case State::Following:
        if (event == Event::Release)
            return end;
        if (event == Event::DoubleClick)
            return none;
        return stay;
    case State::Carried:
        switch (event) {
        case Event::WindowMoved:
        case Event::StillHeld:
            return {State::Carried, Save::Nothing, Timer::AwaitStill};
        case Event::Release:
        case Event::Settled:
            return {State::Trailing, Save::CarriedPlace, Timer::AwaitStill};
        case Event::LeftPress:
            // The carried move ended unnoticed; its place is kept before the new press.
            return {State::Pressed, Save::CarriedPlace, Timer::Stop};
        case Event::DoubleClick:
            return none;
        default:
            return stay;
        }
    case State::Trailing:
        switch (event) {
        case Event::WindowMoved:
            return {State::Trailing, Save::CarriedPlace, Timer::AwaitStill}; // the window manager's late move
        case Event::Settled:
        case Event::StillHeld:
        case Event::DoubleClick:
            return none;
        case Event::LeftPress:
            return {State::Pressed, Save::Nothing, Timer::Stop};
        default:
            return stay;
        }
    }
    return stay;
}

QPoint WindowDrag::PlaceToSave(Save save, QPoint windowSystem, QPoint toolkit, double ratio) {
    const QPoint going(int(std::lround(toolkit.x() * ratio)), int(std::lround(toolkit.y() * ratio)));
    const bool apart =
        std::abs(windowSystem.x() - going.x()) >= ratio || std::abs(windowSystem.y() - going.y()) >= ratio;
    return save == Save::Place && apart ? going : windowSystem;
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
