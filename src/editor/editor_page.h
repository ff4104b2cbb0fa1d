#pragma once
// What every page of the editor is to the window: it shows the records of a target, checks its fields
// before it is left, and is told when it is left.

#include "editor/navigation_tree.h"

class QWidget;

namespace klt {

class EditorPage {
public:
    virtual ~EditorPage() = default;

    virtual QWidget *widget() = 0;
    // Shows what the target names. A fill never writes to the records: showing is not editing.
    virtual void fill(const PageTarget &target) = 0;
    // The check before the page is left: false keeps the user here.
    virtual bool validate() { return true; }
    // The page is left for another (after its check passed).
    virtual void leave() {}
};

} // namespace klt
