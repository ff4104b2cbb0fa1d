#pragma once
// Work on Qt's threads: a QSerialPort made and used on a thread Qt did not start warns and may miss
// its notifications.

#include <functional>
#include <vector>

namespace klt {

// Runs every piece of work at once, each on a QThread of its own, and returns when all are done.
void RunOnQtThreads(const std::vector<std::function<void()>> &work);

} // namespace klt
