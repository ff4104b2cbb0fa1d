#pragma once
// The port doctor: why a radio's serial port does not work, found out from what the system shows of
// it (the device, sysfs, the processes, the user's groups, the services that take adapters away) and
// said with the command that mends it. Where it looks is a parameter, so that tests give it trees of
// their own.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace klt {

// The system's trees: "/sys", "/proc", and the root under which /etc, /usr and /dev are found.
struct SystemView {
    std::filesystem::path sys = "/sys";
    std::filesystem::path proc = "/proc";
    std::filesystem::path root = "/";
};

// The user the doctor speaks to: the groups of this login, and those /etc/group gives the user (a
// group joined since logging in is in the second only).
struct UserView {
    unsigned uid = 0;
    std::string name;
    std::vector<unsigned> loginGroups;
};

UserView ThisUser();

struct PortExamination {
    std::string device;   // as named
    std::string resolved; // the device it stands for
    bool exists = false;
    std::string kind; // "USB serial adapter", "serial port", "pseudo-terminal", ...
    std::string vendorId, productId, maker, product, chip, driver;
    unsigned owner = 0, group = 0, mode = 0;
    std::string ownerName, groupName;
    bool userMay = false;     // this user may read and write it
    bool groupGrants = false; // its group may read and write it
    bool inGroupForLogin = false;
    bool inGroupInFile = false;       // /etc/group lists the user in it
    std::vector<std::string> holders; // "name (process N)"
    std::vector<std::string> servers; // a pseudo-terminal's: the programs on its other side
    std::optional<std::string> probe; // what the wake-up found, when asked
    bool usable() const { return exists && userMay && holders.empty(); }
};

struct DoctorFindings {
    std::vector<PortExamination> ports;
    std::string user;
    bool modemManager = false;             // installed
    bool portRuleInstalled = false;        // the program's udev rule, which keeps it off USB adapters
    bool brltty = false;                   // installed
    std::vector<std::string> brlttyClaims; // "vendor:product" of adapters here that its rules take
};

// The serial devices the system has: USB adapters and serial ports with a UART behind them.
std::vector<std::string> ListSerialDevices(const SystemView &system);

PortExamination ExaminePort(const std::string &device, const SystemView &system, const UserView &user);
DoctorFindings ExaminePorts(const std::vector<std::string> &devices, const SystemView &system,
                            const UserView &user);

// The report for the user: each port, what is wrong and the command that mends it.
std::string DoctorReportText(const DoctorFindings &findings);

bool AnyPortUsable(const DoctorFindings &findings);

} // namespace klt
