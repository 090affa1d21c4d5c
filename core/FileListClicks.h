#pragma once

namespace saver {

// The clicks on the image browser's file list. A file is clicked when the user's press or key moves the
// selection to it, or when a press is released on the file already selected; a press that moved the
// selection is not counted again at its release. The list also moves its selection by itself (when the
// selected file is deleted, for example) and when the dialog selects a file: neither is a click.
class FileListClicks {
public:
    enum class State {
        Idle,          // no press or key being handled; a release is a click
        Handling,      // a press or key is being handled: a selection move is a click
        MovedHandling, // the same, after the press had moved the selection
        Moved,         // the last press moved the selection: its release is not a click
    };
    enum class Event {
        Press,          // a mouse press on the list
        Key,            // a key on the list
        InputHandled,   // the event loop has come round after a press or key
        SelectionMoved, // the list's current file changed
        Released,       // the view reports a click: a press and release on the same file
    };
    struct Step {
        State Next = State::Idle;
        bool Click = false;
        bool operator==(const Step&) const = default;
    };

    // The transition table.
    static Step Next(State state, Event event);

    // Applies an event; true when it is a click on the current file. While the dialog selects a file
    // itself, selection moves are not events at all.
    bool Handle(Event event);
    void DialogSelects(bool selecting) { dialogSelects_ = selecting; }

    State Current() const { return state_; }

private:
    State state_ = State::Idle;
    bool dialogSelects_ = false;
};

} // namespace saver
