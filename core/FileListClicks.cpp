#include "FileListClicks.h"

namespace saver {

using State = FileListClicks::State;
using Event = FileListClicks::Event;

FileListClicks::Step FileListClicks::Next(State state, Event event) {
    const bool handling = state == State::Handling || state == State::MovedHandling;
    const bool pressMoved = state == State::MovedHandling || state == State::Moved;
    switch (event) {
    case Event::Press:
        return {State::Handling, false};
    case Event::Key:
        return {pressMoved ? State::MovedHandling : State::Handling, false};
    case Event::InputHandled:
        return {pressMoved ? State::Moved : State::Idle, false};
    case Event::SelectionMoved:
        // Only a move the user's press or key makes; it is the press's click, not its release's.
        return handling ? Step{State::MovedHandling, true} : Step{state, false};
    case Event::Released:
        return {state, !pressMoved};
    }
    return {state, false};
}

bool FileListClicks::Handle(Event event) {
    if (event == Event::SelectionMoved && dialogSelects_)
        return false;
    const Step step = Next(state_, event);
    state_ = step.Next;
    return step.Click;
}

} // namespace saver
