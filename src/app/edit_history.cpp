#include "app/edit_history.h"

namespace klt {

EditHistory::EditHistory(EditorState initial) : current_(initial), saved_(std::move(initial)) {}

void EditHistory::reset(EditorState state) {
    undo_.clear();
    redo_.clear();
    current_ = std::move(state);
    saved_ = current_;
}

void EditHistory::record(const std::string &name, EditorState now) {
    if (now == current_) {
        return;
    }
    undo_.push_back({name, std::move(current_)});
    if (undo_.size() > kStepsKept) {
        undo_.pop_front();
    }
    redo_.clear();
    current_ = std::move(now);
}

std::optional<EditorState> EditHistory::undo() {
    if (undo_.empty()) {
        return std::nullopt;
    }
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({step.name, std::move(current_)});
    current_ = std::move(step.state);
    return current_;
}

std::optional<EditorState> EditHistory::redo() {
    if (redo_.empty()) {
        return std::nullopt;
    }
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({step.name, std::move(current_)});
    current_ = std::move(step.state);
    return current_;
}

} // namespace klt
