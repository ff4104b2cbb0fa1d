#pragma once
// Ctrl+C during a transfer: the command line's Cancel button, and so are a hang-up and a request to
// terminate (SIGHUP, SIGTERM; on Windows Ctrl+Break and the console closing), so that the radio gets
// its abort either way. While a watch lives, these are taken from the process's default handling and
// set the Cancel request at once, so the transfer stops the way the window's Cancel stops it: at its
// next step, telling the radio, closing the port. Make it before any other thread starts, so that on
// POSIX systems every thread holds the signals back.

#include "base/cancel_request.h"

#include <memory>

namespace klt::cli {

class InterruptWatch {
public:
    explicit InterruptWatch(CancelRequest &cancel);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

private:
    struct Watcher;
    std::unique_ptr<Watcher> watcher_;
};

} // namespace klt::cli
