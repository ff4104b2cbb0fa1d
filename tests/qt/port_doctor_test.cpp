// The port doctor on trees laid out as the system's: a USB adapter in sysfs, the device in /dev, the
// user's groups in /etc/group, a program holding the port in /proc, and the services that take
// adapters away.

#include "qt/port_doctor.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace klt {
namespace {

namespace fs = std::filesystem;

class DoctorTree {
public:
    DoctorTree() {
        view.sys = folder.path() / "sys";
        view.proc = folder.path() / "proc";
        view.root = folder.path() / "root";
        fs::create_directories(view.proc);
        fs::create_directories(view.root / "dev");
        fs::create_directories(view.root / "etc");
    }
    // A USB adapter with its numbers, its tty and its driver, and the device file for it.
    fs::path adapter(const std::string &tty, const std::string &vendor, const std::string &product,
                     const std::string &maker, const std::string &name, const std::string &driver) {
        const fs::path usb = view.sys / "devices/pci0000:00/usb1/1-1";
        const fs::path port = usb / "1-1:1.0" / tty;
        fs::create_directories(port);
        write(usb / "idVendor", vendor);
        write(usb / "idProduct", product);
        write(usb / "manufacturer", maker);
        write(usb / "product", name);
        fs::create_directories(view.sys / "bus/usb-serial/drivers" / driver);
        fs::create_directory_symlink(view.sys / "bus/usb-serial/drivers" / driver, port / "driver");
        fs::create_directories(view.sys / "class/tty" / tty);
        fs::create_directory_symlink(port, view.sys / "class/tty" / tty / "device");
        return device(tty);
    }
    // A serial port of the board; type 0 is one without a UART behind it.
    void boardPort(const std::string &tty, const std::string &type) {
        const fs::path device = view.sys / "devices/platform/serial8250" / tty;
        fs::create_directories(device);
        fs::create_directories(view.sys / "class/tty" / tty);
        fs::create_directory_symlink(device, view.sys / "class/tty" / tty / "device");
        write(view.sys / "class/tty" / tty / "type", type);
    }
    fs::path device(const std::string &tty) {
        const fs::path path = view.root / "dev" / tty;
        write(path, "");
        ::chmod(path.c_str(), 0660);
        return path;
    }
    unsigned groupOf(const fs::path &path) const {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_gid;
    }
    void group(const std::string &name, unsigned gid, const std::string &members) {
        write(view.root / "etc/group",
              "daemon:x:1:\n" + name + ":x:" + std::to_string(gid) + ":" + members + "\n");
    }
    void holder(int pid, const std::string &name, const fs::path &device) {
        const fs::path process = view.proc / std::to_string(pid);
        fs::create_directories(process / "fd");
        write(process / "comm", name + "\n");
        fs::create_symlink(fs::canonical(device), process / "fd/3");
    }
    void file(const std::string &path, const std::string &text = "") { write(view.root / path, text); }
    static void write(const fs::path &path, const std::string &text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text << (text.empty() || text.back() == '\n' ? "" : "\n");
    }

    test::TempFolder folder;
    SystemView view;
};

// A user who is neither the device's owner nor in its group for this login.
UserView Alice(std::vector<unsigned> loginGroups = {}) {
    return {4242, "alice", std::move(loginGroups)};
}

TEST(PortDoctor, AnAdapterOfAGroupTheUserIsNotInSaysWhichGroupToJoin) {
    DoctorTree tree;
    const fs::path device = tree.adapter("ttyUSB0", "0403", "6001", "FTDI", "FT232R USB UART", "ftdi_sio");
    tree.group("dialout", tree.groupOf(device), "bob");
    const DoctorFindings findings = ExaminePorts({"/dev/ttyUSB0"}, tree.view, Alice());
    ASSERT_EQ(findings.ports.size(), 1u);
    const PortExamination &port = findings.ports[0];
    EXPECT_TRUE(port.exists);
    EXPECT_EQ(port.kind, "USB serial adapter");
    EXPECT_EQ(port.chip, "FTDI");
    EXPECT_EQ(port.driver, "ftdi_sio");
    EXPECT_EQ(port.groupName, "dialout");
    EXPECT_FALSE(port.userMay);
    EXPECT_FALSE(AnyPortUsable(findings));
    const std::string report = DoctorReportText(findings);
    EXPECT_NE(report.find("FTDI FT232R USB UART (USB 0403:6001, a FTDI chip), driver ftdi_sio"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("mode 0660"), std::string::npos);
    EXPECT_NE(report.find("sudo usermod -aG dialout alice"), std::string::npos) << report;
    EXPECT_NE(report.find("log out and in again"), std::string::npos);
    EXPECT_NE(report.find("verdict: not usable"), std::string::npos);
}

TEST(PortDoctor, AGroupJoinedSinceLoggingInWantsANewLoginAndOneOfThisLoginServes) {
    DoctorTree tree;
    const fs::path device = tree.adapter("ttyUSB0", "067b", "2303", "Prolific", "USB-Serial", "pl2303");
    const unsigned gid = tree.groupOf(device);
    tree.group("dialout", gid, "bob,alice");
    const DoctorFindings joined = ExaminePorts({"/dev/ttyUSB0"}, tree.view, Alice());
    EXPECT_TRUE(joined.ports[0].inGroupInFile);
    EXPECT_FALSE(joined.ports[0].userMay);
    const std::string report = DoctorReportText(joined);
    EXPECT_NE(report.find("newgrp dialout"), std::string::npos) << report;
    EXPECT_EQ(report.find("usermod"), std::string::npos);

    const DoctorFindings member = ExaminePorts({"/dev/ttyUSB0"}, tree.view, Alice({gid}));
    EXPECT_TRUE(member.ports[0].userMay);
    EXPECT_TRUE(AnyPortUsable(member));
    EXPECT_NE(DoctorReportText(member).find("verdict: usable"), std::string::npos);
}

TEST(PortDoctor, AProgramHoldingThePortIsNamedAndAMissingPortSaidSo) {
    DoctorTree tree;
    const fs::path device = tree.adapter("ttyACM0", "10c4", "ea60", "Silicon Labs", "CP2102", "cp210x");
    tree.holder(1234, "minicom", device);
    tree.file("etc/group", "dialout:x:20:\n");
    tree.holder(99, "bash", tree.view.root / "etc/group"); // another file open elsewhere
    const UserView owner{0, "root", {}};
    const DoctorFindings findings = ExaminePorts({"/dev/ttyACM0", "/dev/ttyUSB7"}, tree.view, owner);
    EXPECT_EQ(findings.ports[0].holders, (std::vector<std::string>{"minicom (process 1234)"}));
    EXPECT_FALSE(findings.ports[0].usable());
    EXPECT_FALSE(findings.ports[1].exists);
    const std::string report = DoctorReportText(findings);
    EXPECT_NE(report.find("in use:  by minicom (process 1234)"), std::string::npos) << report;
    EXPECT_NE(report.find("a CP210x chip"), std::string::npos);
    EXPECT_NE(report.find("/dev/ttyUSB7\n  missing"), std::string::npos);
}

TEST(PortDoctor, ServicesThatTakeAdaptersAwayAreNamedWithTheirRemedy) {
    DoctorTree tree;
    tree.adapter("ttyUSB0", "1a86", "7523", "", "USB Serial", "ch341-uart");
    tree.file("usr/sbin/ModemManager");
    tree.file("usr/bin/brltty");
    tree.file("usr/lib/udev/rules.d/85-brltty.rules",
              "ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", GOTO=\"brltty_usb_run\"\n");
    const UserView owner{0, "root", {}};
    DoctorFindings findings = ExaminePorts({"/dev/ttyUSB0"}, tree.view, owner);
    EXPECT_EQ(findings.brlttyClaims, (std::vector<std::string>{"1a86:7523"}));
    std::string report = DoctorReportText(findings);
    EXPECT_NE(report.find("a CH340/CH341 chip"), std::string::npos) << report;
    EXPECT_NE(report.find("sudo apt remove brltty"), std::string::npos) << report;
    EXPECT_NE(report.find("sudo systemctl stop ModemManager"), std::string::npos);

    // With the program's udev rule, ModemManager leaves adapters alone; brltty's rules name others.
    tree.file("usr/lib/udev/rules.d/60-klt-serial.rules");
    tree.file("usr/lib/udev/rules.d/85-brltty.rules", "ENV{PRODUCT}==\"403/6001/*\"\n");
    findings = ExaminePorts({"/dev/ttyUSB0"}, tree.view, owner);
    report = DoctorReportText(findings);
    EXPECT_TRUE(findings.brlttyClaims.empty());
    EXPECT_NE(report.find("tells it to leave USB serial adapters alone"), std::string::npos) << report;
    EXPECT_EQ(report.find("apt remove"), std::string::npos);
}

TEST(PortDoctor, TheSystemsPortsAreAdaptersFirstAndNoReservedPortWithoutAUart) {
    DoctorTree tree;
    tree.boardPort("ttyS0", "4");
    tree.boardPort("ttyS1", "0");
    tree.adapter("ttyUSB0", "0403", "6001", "FTDI", "FT232R", "ftdi_sio");
    EXPECT_EQ(ListSerialDevices(tree.view), (std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyS0"}));
    const std::string report = DoctorReportText(ExaminePorts({}, tree.view, Alice()));
    EXPECT_NE(report.find("No serial port found"), std::string::npos);
}

} // namespace
} // namespace klt
