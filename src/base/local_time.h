#pragma once
// A moment as the local calendar shows it, on every system the core builds for (each C library names
// its thread-safe conversion differently).

#include <chrono>
#include <ctime>

namespace klt {

std::tm LocalTime(std::chrono::system_clock::time_point when);

} // namespace klt
