#include "pty_server.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <sys/signalfd.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace klt::sim {

namespace {

constexpr int kBitsPerByte = 10;

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

std::chrono::microseconds WireTime(const SimulatedRadio &radio, std::size_t bytes) {
    return std::chrono::microseconds(bytes * kBitsPerByte * 1000000 / radio.lineSpeed());
}

bool WriteAll(int fd, const std::vector<std::uint8_t> &bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return false;
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return true;
}

int Fail(const std::string &what) {
    std::cerr << "klt-radio-sim: " << what << ": " << std::strerror(errno) << '\n';
    return 1;
}

// The signals that stop a radio served alone, as a descriptor that becomes readable.
Fd StopSignals() {
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    return Fd(::signalfd(-1, &stopSignals, SFD_CLOEXEC));
}

} // namespace

int Serve(SimulatedRadio &radio, const ServeOptions &options) {
    const Fd signals = options.stopFd < 0 ? StopSignals() : Fd(-1);
    const int stop = options.stopFd < 0 ? signals.get() : options.stopFd;

    const Fd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (master.get() < 0 || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0) {
        return Fail("cannot make a pseudo-terminal");
    }
    const std::string slaveName = ::ptsname(master.get());
    // Holding the slave open keeps the line up while the PC closes and reopens its port.
    const Fd slave(::open(slaveName.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios raw{};
    if (slave.get() < 0 || ::tcgetattr(slave.get(), &raw) != 0) {
        return Fail("cannot open " + slaveName);
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(slave.get(), TCSANOW, &raw);

    std::error_code ignored;
    std::filesystem::remove(options.link, ignored);
    std::filesystem::create_symlink(slaveName, options.link, ignored);
    if (ignored) {
        return Fail("cannot link " + options.link.string());
    }
    // One write of the whole line: radios of one process say it at once, and their lines must not mix.
    const std::string ready = "ready " + options.link.string() + "\n";
    std::fwrite(ready.data(), 1, ready.size(), stdout);
    std::fflush(stdout);

    std::vector<std::uint8_t> buffer(4096);
    for (;;) {
        pollfd fds[2] = {{master.get(), POLLIN, 0}, {stop, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail("poll");
        }
        if (fds[1].revents & POLLIN) {
            break;
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(master.get(), buffer.data(), buffer.size());
            if (n <= 0) {
                continue;
            }
            // The bytes took their time on the wire, and so does the answer: one wait for both,
            // measured from their arrival, so that the emulated line adds no time of its own.
            const auto arrived = std::chrono::steady_clock::now();
            const auto incoming = WireTime(radio, static_cast<std::size_t>(n));
            const auto answer = radio.receive(std::span(buffer.data(), static_cast<std::size_t>(n)));
            if (options.emulateBaud) {
                std::this_thread::sleep_until(arrived + incoming + WireTime(radio, answer.size()));
            }
            if (!WriteAll(master.get(), answer)) {
                return Fail("write");
            }
            if (options.closeOnHang && radio.hung()) {
                break;
            }
        }
    }
    std::filesystem::remove(options.link, ignored);
    return 0;
}

} // namespace klt::sim
