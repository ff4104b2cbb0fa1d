#include "interrupt_watch.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
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

InterruptWatch::InterruptWatch(CancelRequest &cancel) : cancel_(cancel) {
    const sigset_t set = Interrupts();
    masked_ = ::pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
    fd_ = masked_ ? ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC) : -1;
    if (fd_ >= 0 && ::pipe2(stop_, O_CLOEXEC) == 0) {
        watcher_ = std::thread([this] { watch(); });
    }
}

InterruptWatch::~InterruptWatch() {
    if (watcher_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const auto written = ::write(stop_[1], &stop, 1);
        watcher_.join();
    }
    for (const int fd : {fd_, stop_[0], stop_[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    if (masked_) {
        const sigset_t set = Interrupts();
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

void InterruptWatch::watch() {
    for (;;) {
        pollfd watched[2] = {{fd_, POLLIN, 0}, {stop_[0], POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0) {
            continue; // interrupted: look again
        }
        if ((watched[1].revents & POLLIN) != 0) {
            return;
        }
        signalfd_siginfo info{};
        while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            cancel_.requested = true;
        }
    }
}

} // namespace klt::cli
