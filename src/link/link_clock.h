#pragma once
// The clock of the link's deadlines: steady, so a wait that runs past midnight still ends on time.

#include <chrono>

namespace klt {

class LinkClock {
public:
    using time_point = std::chrono::steady_clock::time_point;
    virtual ~LinkClock() = default;
    virtual time_point now() = 0;
};

class SteadyLinkClock final : public LinkClock {
public:
    time_point now() override { return std::chrono::steady_clock::now(); }
};

} // namespace klt
