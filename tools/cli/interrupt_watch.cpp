#include "interrupt_watch.h"

#include <csignal>
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
    return set;
}

} // namespace

InterruptWatch::InterruptWatch(CancelRequest &cancel) : cancel_(cancel) {
    const sigset_t set = Interrupts();
    masked_ = ::pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
    fd_ = masked_ ? ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC) : -1;
}

InterruptWatch::~InterruptWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (masked_) {
        const sigset_t set = Interrupts();
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

void InterruptWatch::poll(int milliseconds) {
    if (fd_ < 0) {
        return;
    }
    pollfd watched{fd_, POLLIN, 0};
    if (::poll(&watched, 1, milliseconds) > 0 && (watched.revents & POLLIN) != 0) {
        signalfd_siginfo info{};
        while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            cancel_.requested = true;
        }
    }
}

} // namespace klt::cli
