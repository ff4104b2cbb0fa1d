#include "interrupt_watch.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace klt::cli {

namespace {

sigset_t Interrupts() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

// The signals held back from every thread and read from a signalfd by a thread of the watch's own.
struct InterruptWatch::Watcher {
    explicit Watcher(CancelRequest &cancel_) : cancel(cancel_) {
        const sigset_t set = Interrupts();
        masked = ::pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
        fd = masked ? ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC) : -1;
        if (fd >= 0 && ::pipe2(stop, O_CLOEXEC) == 0) {
            thread = std::thread([this] { watch(); });
        }
    }

    ~Watcher() {
        if (thread.joinable()) {
            const char byte = 0;
            [[maybe_unused]] const auto written = ::write(stop[1], &byte, 1);
            thread.join();
        }
        for (const int each : {fd, stop[0], stop[1]}) {
            if (each >= 0) {
                ::close(each);
            }
        }
        if (masked) {
            const sigset_t set = Interrupts();
            ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        }
    }

    Watcher(const Watcher &) = delete;
    Watcher &operator=(const Watcher &) = delete;

    void watch() {
        for (;;) {
            pollfd watched[2] = {{fd, POLLIN, 0}, {stop[0], POLLIN, 0}};
            if (::poll(watched, 2, -1) < 0) {
                continue; // interrupted: look again
            }
            if ((watched[1].revents & POLLIN) != 0) {
                return;
            }
            signalfd_siginfo info{};
            while (::read(fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
                cancel.requested = true;
            }
        }
    }

    CancelRequest &cancel;
    int fd = -1;
    int stop[2] = {-1, -1};
    bool masked = false;
    std::thread thread;
};

InterruptWatch::InterruptWatch(CancelRequest &cancel) : watcher_(std::make_unique<Watcher>(cancel)) {}

InterruptWatch::~InterruptWatch() = default;

} // namespace klt::cli
