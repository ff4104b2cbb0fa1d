#include "app/edit_history.h"

namespace klt {

EditHistory::EditHistory(EditorState initial) : current_(initial), saved_(std::move(initial)) {}

void EditHistory::reset(EditorState state) {
    undo_.clear();
    redo_.clear();
    current_ = std::move(state);
    saved_ = current_;
}

void EditHistory::record(const std::string &name, EditorState now, const std::string &place) {
    if (now == current_) {
        return;
    }
    undo_.push_back({name, std::move(current_), place});
    if (undo_.size() > kStepsKept) {
        undo_.pop_front();
    }
    redo_.clear();
    current_ = std::move(now);
}

std::optional<EditorState> EditHistory::cross(std::deque<Step> &from, std::deque<Step> &to) {
    if (from.empty()) {
        return std::nullopt;
    }
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({step.name, std::move(current_), step.place});
    current_ = std::move(step.state);
    crossedPlace_ = step.place;
    return current_;
}

std::optional<EditorState> EditHistory::undo() {
    return cross(undo_, redo_);
}

std::optional<EditorState> EditHistory::redo() {
    return cross(redo_, undo_);
}

} // namespace klt
