#include "app/editor_document.h"

namespace klt {

void EditorDocument::changed() {
    if (listener_) {
        listener_();
    }
}

void EditorDocument::markModified() {
    const bool news = !modified_ || !pendingEdits_;
    modified_ = true;
    pendingEdits_ = true;
    if (news) {
        changed();
    }
}

void EditorDocument::setModified(bool modified) {
    modified_ = modified;
    changed();
}

void EditorDocument::commitEdits() {
    history_.record("Edit of " + editPlace_, state(), editKey_);
    // Edits that came back to what was saved (a name typed and taken back) leave nothing unsaved.
    if (pendingEdits_ && history_.atSaved()) {
        modified_ = false;
    }
    pendingEdits_ = false;
    changed();
}

void EditorDocument::commitReplacement(const std::string &name, bool saved) {
    history_.record(name, state());
    pendingEdits_ = false;
    if (saved) {
        history_.markSaved();
        modified_ = false;
    }
    changed();
}

void EditorDocument::startHistory() {
    history_.reset(state());
    pendingEdits_ = false;
    modified_ = false;
    changed();
}

void EditorDocument::markSaved() {
    history_.record("Edit of " + editPlace_, state(), editKey_);
    history_.markSaved();
    pendingEdits_ = false;
    modified_ = false;
    changed();
}

std::string EditorDocument::undoName() const {
    if (pendingEdits_) {
        return "Edit of " + editPlace_;
    }
    return history_.undoName();
}

void EditorDocument::apply(const EditorState &state) {
    Config = state.config;
    Image = state.image;
    modified_ = !history_.atSaved();
    changed();
}

bool EditorDocument::undo() {
    if (pendingEdits_) {
        history_.record("Edit of " + editPlace_, state(), editKey_);
        pendingEdits_ = false;
    }
    const auto state = history_.undo();
    if (state) {
        apply(*state);
    }
    return state.has_value();
}

bool EditorDocument::redo() {
    const auto state = history_.redo();
    if (state) {
        apply(*state);
    }
    return state.has_value();
}

} // namespace klt
