#pragma once
// The user's request to stop a long operation.

#include <atomic>

namespace klt {

// The user interface sets it during a wait; the operation's waits see it, and the operation sends
// nothing more to the radio once it is set (but the abort a read owes the radio).
struct CancelRequest {
    // Set by the user interface's thread while a transfer's worker reads it.
    std::atomic<bool> requested = false;
};

} // namespace klt
