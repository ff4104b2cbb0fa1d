#include "interrupt_watch.h"

#include <windows.h>

#include <atomic>

namespace klt::cli {

namespace {

// The console calls its handlers with no context of the caller's, so the request a watch serves is
// reached through this one pointer, set only while that watch lives.
std::atomic<CancelRequest *> watchedRequest{nullptr};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    CancelRequest *const cancel = watchedRequest.load();
    if (cancel == nullptr) {
        return FALSE;
    }
    cancel->requested = true;
    // Ctrl+C and Ctrl+Break are taken; the console closing or the user logging off cannot be refused,
    // but the transfer gets its cancel request before the system ends the process.
    return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? TRUE : FALSE;
}

} // namespace

struct InterruptWatch::Watcher {
    explicit Watcher(CancelRequest &cancel) {
        watchedRequest.store(&cancel);
        installed = SetConsoleCtrlHandler(OnConsoleEvent, TRUE) != 0;
    }
    ~Watcher() {
        if (installed) {
            SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
        }
        watchedRequest.store(nullptr);
    }
    Watcher(const Watcher &) = delete;
    Watcher &operator=(const Watcher &) = delete;

    bool installed = false;
};

InterruptWatch::InterruptWatch(CancelRequest &cancel) : watcher_(std::make_unique<Watcher>(cancel)) {}

InterruptWatch::~InterruptWatch() = default;

} // namespace klt::cli
