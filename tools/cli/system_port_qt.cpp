#include "qt/qt_serial_port.h"
#include "system_port.h"

#include <QCoreApplication>

namespace klt::cli {

namespace {

// QSerialPort wants an application object, though the command line runs no event loop.
class QtSystemPort final : public SystemPort {
public:
    explicit QtSystemPort(const std::string &device)
        : application_(argc_, argv_),
          // NOLINTNEXTLINE(performance-no-automatic-move): each open asks again, so the name stays
          port_([device](int) { return device; }) {}
    SerialPort &port() override { return port_; }

private:
    int argc_ = 1;
    char name_[8] = "klt-cli";
    char *argv_[2] = {name_, nullptr};
    QCoreApplication application_;
    QtSerialPort port_;
};

} // namespace

std::unique_ptr<SystemPort> MakeSystemPort(const std::string &device) {
    return std::make_unique<QtSystemPort>(device);
}

} // namespace klt::cli
