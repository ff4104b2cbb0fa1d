#pragma once
// Undo and redo of the editor: every committed change is a step with a name ("Read from Radio",
// "Edit of Common Setup") and the records and image as they were before it. The history also knows
// what was last saved, so that undoing back to it clears the modified flag.

#include "model/radio_image.h"
#include "model/records.h"

#include <deque>
#include <optional>
#include <string>

namespace klt {

struct EditorState {
    Configuration config;
    RadioImage image;
    bool operator==(const EditorState &) const = default;
};

class EditHistory {
public:
    static constexpr std::size_t kStepsKept = 100;

    // A fresh history whose only state counts as saved.
    explicit EditHistory(EditorState initial = {});

    // Starts afresh from a state (after a model or destination switch).
    void reset(EditorState state);
    // A step to a new state; nothing when the state is the current one. The redo steps are dropped.
    // place: where the step was made (the window's node key), empty for a whole replacement.
    void record(const std::string &name, EditorState now, const std::string &place = {});

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::string undoName() const { return canUndo() ? undo_.back().name : std::string(); }
    std::string redoName() const { return canRedo() ? redo_.back().name : std::string(); }
    // The state to show after the step; nothing when there is none.
    std::optional<EditorState> undo();
    std::optional<EditorState> redo();
    // Where the step last undone or redone was made.
    const std::string &crossedPlace() const { return crossedPlace_; }

    // What was last saved (or opened, or read) is compared by content: undoing to a state equal to it
    // is no change, whichever way it was reached.
    void markSaved() { saved_ = current_; }
    bool atSaved() const { return current_ == saved_; }
    const EditorState &current() const { return current_; }

private:
    struct Step {
        std::string name;
        EditorState state; // the state on the other side of the step
        std::string place;
    };
    // Takes the newest step of from, leaving the way back on to.
    std::optional<EditorState> cross(std::deque<Step> &from, std::deque<Step> &to);

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    EditorState current_;
    EditorState saved_;
    std::string crossedPlace_;
};

} // namespace klt
