#include "win32/com_port_report.h"
#include "win32/win32_serial_port.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

// No system, wine's included, has a port this high.
constexpr const char *kAbsentPort = "COM219";

TEST(Win32DeviceName, ComPortsOpenThroughTheDeviceNamespace) {
    EXPECT_EQ(Win32DeviceName("COM5"), "\\\\.\\COM5");
    EXPECT_EQ(Win32DeviceName("com12"), "\\\\.\\COM12");
    EXPECT_EQ(Win32DeviceName("\\\\.\\COM3"), "\\\\.\\COM3");
    for (const char *other : {"", "COM", "COMX", "COM1:", "LPT1", "\\\\.\\pipe\\radio"}) {
        EXPECT_EQ(Win32DeviceName(other), other);
    }
}

TEST(Win32SerialPort, AMissingPortSaysWhatToDoAndStaysClosed) {
    Win32SerialPort port([](int) { return std::string(kAbsentPort); });
    const auto fault = port.open(1, "57600,N,8,1");
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->description.find(kAbsentPort), std::string::npos) << fault->description;
    EXPECT_NE(fault->description.find("Plug in the cable"), std::string::npos) << fault->description;
    EXPECT_FALSE(fault->reason.empty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.bytesWaiting(), 0u);

    Win32SerialPort unnamed([](int) { return std::string(); });
    const auto none = unnamed.open(3, "57600,N,8,1");
    ASSERT_TRUE(none);
    EXPECT_NE(none->description.find("COM3"), std::string::npos) << none->description;
}

TEST(Win32SerialPort, SettingsItCannotTakeAreRefusedBeforeThePortIsTouched) {
    Win32SerialPort port([](int) { return std::string(kAbsentPort); });
    const auto fault = port.open(1, "57600,N,9,1");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->number, 8005);
    EXPECT_EQ(fault->description, "Invalid port settings 57600,N,9,1");
}

TEST(Win32ErrorText, TheSystemsWordsWithoutTheLineEnd) {
    const std::string text = Win32ErrorText(2); // ERROR_FILE_NOT_FOUND
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '.');
    EXPECT_EQ(Win32ErrorText(0x7FFFFFF0), "system error 2147483632");
}

TEST(ComPortReport, SaysForEachPortWhatToDoAndProbesOnlyUsableOnes) {
    int probes = 0;
    const auto findings = ExamineComPorts({kAbsentPort}, [&probes](const std::string &) {
        ++probes;
        return std::string("answered");
    });
    EXPECT_EQ(probes, 0);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].check.state, ComPortState::Missing);
    EXPECT_FALSE(AnyComPortUsable(findings));
    const std::string text = ComPortReportText(findings);
    EXPECT_NE(text.find(std::string(kAbsentPort) + "\n  verdict: not present"), std::string::npos) << text;
    EXPECT_NE(text.find("Device Manager"), std::string::npos) << text;

    const std::vector<ComPortFinding> usable = {
        {"COM1", {ComPortState::Usable, {}}, "a radio answered"},
        {"COM2", {ComPortState::InUse, "Access denied"}, std::nullopt},
        {"COM3", {ComPortState::Refused, "The device is not ready"}, {}}};
    EXPECT_TRUE(AnyComPortUsable(usable));
    const std::string report = ComPortReportText(usable);
    EXPECT_NE(report.find("COM1\n  verdict: usable\n  probe:   a radio answered\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("COM2\n  verdict: in use by another program"), std::string::npos) << report;
    EXPECT_NE(report.find("does not open (The device is not ready)"), std::string::npos) << report;
    EXPECT_NE(ComPortReportText({}).find("No serial port was found"), std::string::npos);
}

} // namespace
} // namespace klt
