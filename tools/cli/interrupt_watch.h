#pragma once
// Ctrl+C during a transfer: the command line's Cancel button. While a watch lives, SIGINT is held
// back from the process and read from a descriptor instead, so the transfer can stop the way the
// window's Cancel stops it: at its next step, telling the radio, closing the port. Make it before any
// other thread starts, so that every thread holds the signal back.

#include "base/cancel_request.h"

namespace klt::cli {

class InterruptWatch {
public:
    explicit InterruptWatch(CancelRequest &cancel);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    // Takes a pending Ctrl+C as a Cancel, waiting for one at most milliseconds.
    void poll(int milliseconds);

private:
    CancelRequest &cancel_;
    int fd_ = -1;
    bool masked_ = false;
};

} // namespace klt::cli
