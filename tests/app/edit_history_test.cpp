// The undo history: steps, the redo they leave, a new edit dropping the redo, and the saved state.

#include "app/edit_history.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

EditorState Named(const std::string &name) {
    EditorState state;
    state.config.Individual[0].TagName = name;
    return state;
}

TEST(EditHistory, StepsBackAndForthAndKnowsTheSavedState) {
    EditHistory history(Named("A"));
    history.record("Same", Named("A")); // no change, no step
    EXPECT_FALSE(history.canUndo());
    history.record("Edit", Named("B"));
    history.record("Open", Named("C"));
    history.markSaved();
    EXPECT_EQ(history.undoName(), "Open");
    EXPECT_EQ(history.undo()->config.Individual[0].TagName, "B");
    EXPECT_FALSE(history.atSaved());
    EXPECT_EQ(history.redoName(), "Open");
    EXPECT_EQ(history.redo()->config.Individual[0].TagName, "C");
    EXPECT_TRUE(history.atSaved());
    history.undo();
    history.record("Edit", Named("D")); // a new step drops what could have been redone
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo()->config.Individual[0].TagName, "B");
    EXPECT_EQ(history.undo()->config.Individual[0].TagName, "A");
    EXPECT_FALSE(history.undo());
    for (int i = 0; i < 150; ++i) {
        history.record("Edit", Named(std::to_string(i)));
    }
    int steps = 0;
    while (history.undo()) {
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(EditHistory::kStepsKept));
}

} // namespace
} // namespace klt
