#pragma once
// The configuration being edited: its records and image, the file it came from, and its history, the
// steps Undo and Redo cross and what was last saved (or opened, or read). Its clean state is the
// modified flag; whoever shows it listens for changes.

#include "app/edit_history.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <functional>
#include <string>

namespace klt {

class EditorDocument {
public:
    Configuration Config;
    RadioImage Image;
    std::string CurrentFilePath;

    // Told after every change of the modified flag or of what Undo and Redo would do.
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // An edit written into the records in place (a page's field).
    void markModified();
    // Where in-place edits are made now (the page shown): the step they become is named for it, and
    // Undo and Redo of it go back to the key's node.
    void setEditPlace(const std::string &place, const std::string &key = {}) {
        editPlace_ = place;
        editKey_ = key;
    }
    // The in-place edits since the last step become one step ("Edit of Common Setup").
    void commitEdits();
    // A whole replacement (Open, New, a read, an import, a clear) as a step of its own; saved: the
    // new state is the one on disk or in the radio.
    void commitReplacement(const std::string &name, bool saved);
    // A history that starts afresh here, this state counting as saved (another model or destination).
    void startHistory();
    // What the records and image are now is what is on disk.
    void markSaved();
    // Whether anything would be lost; a flag the window may also set, as the program always could.
    bool isClean() const { return !modified_; }
    // Whether the records and image are what was last saved, compared by content.
    bool atSaved() const { return history_.atSaved(); }
    void setModified(bool modified);

    // Undo and Redo, in-place edits not yet a step included; false when there was nothing to cross.
    bool canUndo() const { return pendingEdits_ || history_.canUndo(); }
    bool canRedo() const { return !pendingEdits_ && history_.canRedo(); }
    std::string undoName() const;
    std::string redoName() const { return canRedo() ? history_.redoName() : std::string(); }
    bool undo();
    bool redo();
    // The node key of the step last undone or redone; empty for a whole replacement.
    const std::string &lastStepPlace() const { return history_.crossedPlace(); }

private:
    EditorState state() const { return {Config, Image}; }
    void apply(const EditorState &state);
    void changed();

    EditHistory history_;
    std::string editPlace_;
    std::string editKey_;
    bool pendingEdits_ = false;
    bool modified_ = false;
    std::function<void()> listener_;
};

} // namespace klt
