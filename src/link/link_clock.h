#pragma once
// The clock of the link's deadlines: steady, so a wait that runs past midnight still ends on time.

#include <chrono>
#include <thread>

namespace klt {

class LinkClock {
public:
    using time_point = std::chrono::steady_clock::time_point;
    virtual ~LinkClock() = default;
    virtual time_point now() = 0;
    // A wait the radio's timing needs, on the thread that runs the link.
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;
};

class SteadyLinkClock final : public LinkClock {
public:
    time_point now() override { return std::chrono::steady_clock::now(); }
    void sleepFor(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

} // namespace klt
