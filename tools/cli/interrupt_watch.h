#pragma once
// Ctrl+C during a transfer: the command line's Cancel button, and so are a hang-up and a request to
// terminate (SIGHUP, SIGTERM), so that the radio gets its abort either way. While a watch lives, these
// signals are held back from the process and taken by a thread of its own, which sets the Cancel request at
// once, so the transfer stops the way the window's Cancel stops it: at its next step, telling the radio,
// closing the port. Make it before any other thread starts, so that every thread holds the signal back.

#include "base/cancel_request.h"

#include <thread>

namespace klt::cli {

class InterruptWatch {
public:
    explicit InterruptWatch(CancelRequest &cancel);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

private:
    void watch();

    CancelRequest &cancel_;
    int fd_ = -1;
    int stop_[2] = {-1, -1};
    bool masked_ = false;
    std::thread watcher_;
};

} // namespace klt::cli
