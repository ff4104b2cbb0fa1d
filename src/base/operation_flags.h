#pragma once
// What a long operation shares with the user interface while it runs.

namespace klt {

struct OperationFlags {
    // An operation runs in the transfer dialog: its Cancel button then asks to stop, and the dialog
    // does not close.
    bool Busy = false;
    // The user's request to stop. The user interface sets it during a wait; the operation's waits
    // look at it, and each new exchange with the radio starts without it.
    bool Cancel = false;
};

} // namespace klt
