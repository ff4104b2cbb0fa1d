// The system's serial ports: a port that will not open says why, in words that say what to do.

#include "qt/port_problem.h"
#include "qt/qt_serial_port.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace klt {
namespace {

// A pseudo-terminal's slave: a serial device the test owns.
class PseudoTerminal {
public:
    PseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            slave_ = ::ptsname(master_);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;
    const std::string &slave() const { return slave_; }

private:
    int master_;
    std::string slave_;
};

TEST(PortProblem, EachCauseSaysWhatToDo) {
    const DeviceFacts missing;
    EXPECT_EQ(ClassifyOpenFailure(false, true, missing), PortProblem::Missing);
    EXPECT_EQ(
        PortProblemText(PortProblem::Missing, "/dev/ttyUSB7", missing, ""),
        "The serial port /dev/ttyUSB7 does not exist: check that the cable is plugged in, or choose another "
        "port under Options > SerialPort.");

    const DeviceFacts forbidden{true, false, "dialout", ""};
    EXPECT_EQ(ClassifyOpenFailure(false, true, forbidden), PortProblem::NoPermission);
    EXPECT_EQ(
        PortProblemText(PortProblem::NoPermission, "/dev/ttyUSB0", forbidden, ""),
        "No permission to use the serial port /dev/ttyUSB0: it belongs to the group 'dialout'. Join that "
        "group with \"sudo usermod -aG dialout $USER\", then log out and in again.");

    // Permitted, yet refused: held by another program, whatever group owns the device.
    const DeviceFacts held{true, true, "root", "minicom (process 4242)"};
    EXPECT_EQ(ClassifyOpenFailure(false, true, held), PortProblem::InUse);
    EXPECT_EQ(
        PortProblemText(PortProblem::InUse, "/dev/ttyS0", held, ""),
        "The serial port /dev/ttyS0 is in use by minicom (process 4242): close the port there and try again.");
    EXPECT_EQ(ClassifyOpenFailure(false, false, DeviceFacts{true, true, "tty", ""}), PortProblem::Other);
    EXPECT_EQ(PortProblemText(PortProblem::Other, "/dev/x", {}, "Unknown error"), "Unknown error");
}

TEST(QtSerialPort, AMissingDeviceAndAHeldOneAreToldApart) {
    test::TempFolder folder;
    const std::string missing = (folder.path() / "ttyNONE").string();
    QtSerialPort absent([&missing](int) { return missing; });
    const auto gone = absent.open(1, "57600,N,8,1");
    ASSERT_TRUE(gone);
    EXPECT_NE(gone->description.find("does not exist"), std::string::npos) << gone->description;

    PseudoTerminal line;
    ASSERT_FALSE(line.slave().empty());
    QtSerialPort first([&line](int) { return line.slave(); });
    ASSERT_FALSE(first.open(1, "57600,N,8,1"));
    QtSerialPort second([&line](int) { return line.slave(); });
    const auto held = second.open(1, "57600,N,8,1");
    ASSERT_TRUE(held);
    EXPECT_NE(held->description.find("is in use by"), std::string::npos) << held->description;
    EXPECT_EQ(held->description.find("group"), std::string::npos) << held->description;
    first.close();
    EXPECT_FALSE(second.open(1, "57600,N,8,1")); // free again once the first lets go
}

} // namespace
} // namespace klt
