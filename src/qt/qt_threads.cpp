#include "qt/qt_threads.h"

#include <QThread>

#include <memory>

namespace klt {

void RunOnQtThreads(const std::vector<std::function<void()>> &work) {
    std::vector<std::unique_ptr<QThread>> threads;
    threads.reserve(work.size());
    for (const auto &each : work) {
        threads.emplace_back(QThread::create(each));
        threads.back()->start();
    }
    for (const auto &thread : threads) {
        thread->wait();
    }
}

} // namespace klt
