#include "qt/qt_serial_port.h"
#include "qt/qt_threads.h"
#include "system_port.h"

#include <QCoreApplication>

namespace klt::cli {

namespace {

// QSerialPort wants an application object, though the command line runs no event loop.
class QtSystemPorts final : public SystemPorts {
public:
    QtSystemPorts() : application_(argc_, argv_) {}
    void runAtOnce(const std::vector<std::function<void()>> &work) override { RunOnQtThreads(work); }
    std::unique_ptr<SerialPort> port(const std::string &device) override {
        // Each open asks for the device again: the name is kept.
        return std::make_unique<QtSerialPort>([device](int) { return device; });
    }

private:
    int argc_ = 1;
    char name_[8] = "klt-cli";
    char *argv_[2] = {name_, nullptr};
    QCoreApplication application_;
};

} // namespace

std::unique_ptr<SystemPorts> MakeSystemPorts() {
    return std::make_unique<QtSystemPorts>();
}

} // namespace klt::cli
