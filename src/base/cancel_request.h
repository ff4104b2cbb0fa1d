#pragma once
// The user's request to stop a long operation.

namespace klt {

// The user interface sets it during a wait; the operation's waits see it, and the operation sends
// nothing more to the radio once it is set (but the abort a read owes the radio).
struct CancelRequest {
    bool requested = false;
};

} // namespace klt
