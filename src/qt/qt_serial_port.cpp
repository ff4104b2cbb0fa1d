#include "qt/qt_serial_port.h"

#include "link/line_settings.h"
#include "qt/port_problem.h"

namespace klt {

namespace {

// The port's fault, in words that say what to do when the device is missing, held or forbidden.
Fault OpenError(const QSerialPort &port, const std::string &device) {
    const auto error = port.error();
    const bool notFound = error == QSerialPort::DeviceNotFoundError;
    const bool refused = error == QSerialPort::PermissionError;
    if (!notFound && !refused) {
        return {static_cast<int>(error), port.errorString().toStdString()};
    }
    const DeviceFacts facts = InspectDevice(device);
    const PortProblem problem = ClassifyOpenFailure(notFound, refused, facts);
    return {static_cast<int>(error),
            PortProblemText(problem, device, facts, port.errorString().toStdString())};
}

// A fault of a port in use.
Fault PortError(const QSerialPort &port) {
    return {static_cast<int>(port.error()), port.errorString().toStdString()};
}

} // namespace

bool ApplyLineSettings(QSerialPort &port, const std::string &settings) {
    const auto line = ParseLineSettings(settings);
    if (!line) {
        return false;
    }
    const auto parityMode = line->parity == 'N'   ? QSerialPort::NoParity
                            : line->parity == 'E' ? QSerialPort::EvenParity
                            : line->parity == 'O' ? QSerialPort::OddParity
                            : line->parity == 'M' ? QSerialPort::MarkParity
                                                  : QSerialPort::SpaceParity;
    return port.setBaudRate(line->baud) && port.setParity(parityMode) &&
           port.setDataBits(static_cast<QSerialPort::DataBits>(line->dataBits)) &&
           port.setStopBits(line->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
           port.setFlowControl(QSerialPort::NoFlowControl);
}

std::optional<Fault> QtSerialPort::open(int portNumber, const std::string &settings) {
    const std::string device = resolve_(portNumber);
    if (device.empty()) {
        return Fault{
            static_cast<int>(QSerialPort::DeviceNotFoundError),
            "There is no serial port COM" + std::to_string(portNumber) +
                ": no serial device stands for that number. Plug in the cable, or choose another port "
                "under Options > SerialPort."};
    }
    device_ = device;
    port_.setPortName(QString::fromStdString(device));
    if (!port_.open(QIODevice::ReadWrite)) {
        return OpenError(port_, device);
    }
    if (!ApplyLineSettings(port_, settings)) {
        const bool refusedByTheDevice = port_.error() != QSerialPort::NoError;
        const Fault fault = PortError(port_);
        port_.close();
        return refusedByTheDevice ? fault : Fault{8005, "Invalid port settings " + settings};
    }
    return std::nullopt;
}

void QtSerialPort::close() {
    port_.close();
}

std::string QtSerialPort::settings() const {
    const char parity = port_.parity() == QSerialPort::NoParity     ? 'N'
                        : port_.parity() == QSerialPort::EvenParity ? 'E'
                        : port_.parity() == QSerialPort::OddParity  ? 'O'
                        : port_.parity() == QSerialPort::MarkParity ? 'M'
                                                                    : 'S';
    return LineSettingsText({static_cast<int>(port_.baudRate()), parity, static_cast<int>(port_.dataBits()),
                             port_.stopBits() == QSerialPort::TwoStop ? 2 : 1});
}

void QtSerialPort::ThrowOnFault() {
    const auto error = port_.error();
    if (error == QSerialPort::ResourceError || error == QSerialPort::WriteError ||
        error == QSerialPort::ReadError) {
        // The device went away under the program: a cable pulled out, an adapter gone.
        const Fault fault{static_cast<int>(error), "The serial port " + device_ + " stopped working (" +
                                                       port_.errorString().toStdString() +
                                                       "): check that the cable is still plugged in."};
        port_.clearError();
        throw PortFault{fault};
    }
}

std::size_t QtSerialPort::bytesWaiting() {
    return static_cast<std::size_t>(port_.bytesAvailable());
}

std::uint8_t QtSerialPort::readByte() {
    char byte = 0;
    port_.getChar(&byte);
    return static_cast<std::uint8_t>(byte);
}

void QtSerialPort::write(std::span<const std::uint8_t> bytes) {
    port_.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the system now: without an event loop they would wait in Qt's buffer.
    while (port_.bytesToWrite() > 0 && port_.waitForBytesWritten(100)) {
    }
    ThrowOnFault();
}

bool QtSerialPort::waitForData(int milliseconds) {
    if (port_.bytesAvailable() > 0) {
        return true;
    }
    const bool ready = port_.waitForReadyRead(milliseconds);
    if (!ready && port_.error() == QSerialPort::TimeoutError) {
        port_.clearError();
    }
    ThrowOnFault();
    return ready;
}

} // namespace klt
