#pragma once
// A serial port in memory: what the program writes goes to a peer (the simulated radio, or a
// script), and what the peer answers waits to be read. Time passes only on a fake clock.

#include "link/link_clock.h"
#include "link/serial_port.h"

#include <atomic>
#include <deque>
#include <functional>
#include <optional>

namespace klt::test {

class FakeClock final : public LinkClock {
public:
    time_point now() override { return now_; }
    void sleepFor(std::chrono::milliseconds duration) override { now_ = now_.load() + duration; }
    void advance(int milliseconds) { sleepFor(std::chrono::milliseconds(milliseconds)); }

private:
    // Moved by the link's thread, read by the test's.
    std::atomic<time_point> now_{time_point(std::chrono::hours(24))};
};

class LoopbackPort final : public SerialPort {
public:
    using Peer = std::function<std::vector<std::uint8_t>(std::span<const std::uint8_t>)>;

    LoopbackPort(FakeClock &clock, Peer peer) : clock_(clock), peer_(std::move(peer)) {}

    std::optional<Fault> open(int portNumber, const std::string &settings) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::string settings() const override { return settings_; }
    std::string device(int) const override { return {}; }
    std::size_t bytesWaiting() override { return input_.size(); }
    std::uint8_t readByte() override;
    void write(std::span<const std::uint8_t> bytes) override;
    bool waitForData(int milliseconds) override;

    // Bytes the radio sends without being asked.
    void push(std::string_view bytes) { input_.insert(input_.end(), bytes.begin(), bytes.end()); }

    // Each moment the link takes a byte or waits on the line: where a user's Cancel comes in.
    std::function<void()> onTurn;

    std::optional<Fault> openFault;     // the next open fails with this
    std::optional<int> failAfterWrites; // writes after this many throw, as a port that disappears
    std::vector<std::string> openedWith;
    std::vector<int> openedPorts;
    std::vector<std::uint8_t> written;

private:
    FakeClock &clock_;
    Peer peer_;
    std::deque<std::uint8_t> input_;
    bool open_ = false;
    std::string settings_;
    int writes_ = 0;
};

} // namespace klt::test
