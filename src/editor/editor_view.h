#pragma once
// What the window's controllers ask of the window: the check of the page shown, the question before
// unsaved edits are lost, and showing the configuration again after a command changed it.

#include "editor/navigation_tree.h"

class QString;
class QWidget;

namespace klt {

class EditorView {
public:
    virtual ~EditorView() = default;

    // The parent of the command's dialogs.
    virtual QWidget *dialogParent() = 0;
    // The check of the page shown; false keeps the user there.
    virtual bool checkPage() = 0;
    // Asked before the configuration is replaced: false when the user keeps it (or its save failed).
    virtual bool changesMayBeLost() = 0;
    // Gives the configuration the current model's defaults (loadDestination: from its stored
    // destination's file); the tree shows them with "General" in front.
    virtual void resetConfiguration(bool loadDestination) = 0;
    // The configuration was replaced: the tree is built anew with "General" in front.
    virtual void showReplaced() = 0;
    // The records changed under the page shown (an import, Undo): the tree and the page follow, the
    // view kept.
    virtual void showChanged() = 0;
    virtual void refreshCaption() = 0;
    virtual void refreshDestinationMenu() = 0;
    virtual void refreshHexDump() = 0;
    // The window takes no input while a command works, and shows the busy pointer.
    virtual void setBusy(bool busy) = 0;
    // Shows the page of a target, as a click on its node does.
    virtual void jumpTo(const PageTarget &target) = 0;
    // A command that asked nothing and showed no box tells in the status bar that it was done.
    virtual void confirm(const QString &text) = 0;
};

} // namespace klt
