#include "qt/port_doctor.h"

#include "qt/device_holders.h"

#include <algorithm>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace klt {

namespace fs = std::filesystem;

namespace {

std::string FirstLine(const fs::path &file) {
    std::string line;
    std::ifstream in(file);
    std::getline(in, line);
    return line;
}

std::string WholeText(const fs::path &file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A path of the system's own (an absolute one) under the view's root.
fs::path UnderRoot(const SystemView &system, const fs::path &path) {
    return system.root / path.relative_path();
}

// The USB adapters' chips by the vendor's number: what a user finds printed in shops' descriptions.
std::string ChipOf(const std::string &vendorId) {
    if (vendorId == "0403") {
        return "FTDI";
    }
    if (vendorId == "067b") {
        return "Prolific PL2303";
    }
    if (vendorId == "1a86") {
        return "CH340/CH341";
    }
    if (vendorId == "10c4") {
        return "CP210x";
    }
    return {};
}

// What sysfs tells of a tty: a USB adapter (the USB device with its numbers is an ancestor of the
// tty's device), a serial port with or without a UART behind it.
void ReadSysfs(PortExamination &port, const std::string &tty, const SystemView &system) {
    const fs::path entry = system.sys / "class/tty" / tty;
    std::error_code error;
    if (!fs::exists(entry / "device", error)) {
        return;
    }
    port.driver = fs::canonical(entry / "device/driver", error).filename().string();
    for (fs::path dir = fs::canonical(entry / "device", error);
         !error && !dir.empty() && dir != dir.root_path(); dir = dir.parent_path()) {
        if (fs::exists(dir / "idVendor")) {
            port.kind = "USB serial adapter";
            port.vendorId = FirstLine(dir / "idVendor");
            port.productId = FirstLine(dir / "idProduct");
            port.maker = FirstLine(dir / "manufacturer");
            port.product = FirstLine(dir / "product");
            port.chip = ChipOf(port.vendorId);
            return;
        }
        if (dir == system.sys) {
            break;
        }
    }
    // A serial port's type 0 is a port the system reserves without a UART behind it.
    port.kind = FirstLine(entry / "type") == "0" ? "serial port without a UART (no hardware behind it)"
                                                 : "serial port";
}

std::string NameOfUser(unsigned uid) {
    passwd entry{};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    return ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr
               ? found->pw_name
               : std::to_string(uid);
}

// A group's name and members as the view's /etc/group lists them.
struct GroupLine {
    std::string name;
    std::vector<std::string> members;
};

std::optional<GroupLine> GroupOf(unsigned gid, const SystemView &system) {
    std::ifstream file(UnderRoot(system, "/etc/group"));
    for (std::string line; std::getline(file, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, ':');) {
            fields.push_back(field);
        }
        if (fields.size() < 3 || fields[2] != std::to_string(gid)) {
            continue;
        }
        GroupLine group{fields[0], {}};
        std::istringstream members(fields.size() > 3 ? fields[3] : "");
        for (std::string member; std::getline(members, member, ',');) {
            group.members.push_back(member);
        }
        return group;
    }
    return std::nullopt;
}

void ReadPermissions(PortExamination &port, const struct stat &info, const SystemView &system,
                     const UserView &user) {
    port.owner = info.st_uid;
    port.group = info.st_gid;
    port.mode = info.st_mode & 07777;
    port.ownerName = NameOfUser(info.st_uid);
    const auto group = GroupOf(info.st_gid, system);
    port.groupName = group ? group->name : std::to_string(info.st_gid);
    port.inGroupInFile =
        group && std::find(group->members.begin(), group->members.end(), user.name) != group->members.end();
    port.inGroupForLogin =
        std::find(user.loginGroups.begin(), user.loginGroups.end(), info.st_gid) != user.loginGroups.end();
    constexpr unsigned kOwnerRw = 0600, kGroupRw = 0060, kOtherRw = 0006;
    port.groupGrants = (port.mode & kGroupRw) == kGroupRw;
    if (user.uid == 0) {
        port.userMay = true;
    } else if (user.uid == info.st_uid) {
        port.userMay = (port.mode & kOwnerRw) == kOwnerRw;
    } else if (port.inGroupForLogin) {
        port.userMay = port.groupGrants;
    } else {
        port.userMay = (port.mode & kOtherRw) == kOtherRw;
    }
}

// brltty's udev rules name the adapters it takes as ENV{PRODUCT}=="vendor/product/*", without zeros
// in front.
bool BrlttyTakes(const std::string &rules, const std::string &vendorId, const std::string &productId) {
    const auto bare = [](const std::string &id) {
        const auto first = id.find_first_not_of('0');
        return first == std::string::npos ? std::string("0") : id.substr(first);
    };
    return rules.find("\"" + bare(vendorId) + "/" + bare(productId) + "/") != std::string::npos;
}

std::string BrlttyRules(const SystemView &system) {
    std::string rules;
    for (const char *folder : {"/usr/lib/udev/rules.d", "/lib/udev/rules.d", "/etc/udev/rules.d"}) {
        std::error_code error;
        for (fs::directory_iterator file(UnderRoot(system, folder), error), end; !error && file != end;
             file.increment(error)) {
            if (file->path().filename().string().find("brltty") != std::string::npos) {
                rules += WholeText(file->path());
            }
        }
    }
    return rules;
}

bool AnyExists(const SystemView &system, std::initializer_list<const char *> paths) {
    std::error_code error;
    for (const char *path : paths) {
        if (fs::exists(UnderRoot(system, path), error)) {
            return true;
        }
    }
    return false;
}

} // namespace

UserView ThisUser() {
    UserView user;
    user.uid = ::getuid();
    user.name = NameOfUser(user.uid);
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        user.loginGroups.push_back(groups[static_cast<std::size_t>(i)]);
    }
    user.loginGroups.push_back(::getgid());
    return user;
}

std::vector<std::string> ListSerialDevices(const SystemView &system) {
    std::vector<std::string> devices;
    std::error_code error;
    for (fs::directory_iterator entry(system.sys / "class/tty", error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const bool adapter = name.starts_with("ttyUSB") || name.starts_with("ttyACM");
        const bool uart = name.starts_with("ttyS") && FirstLine(entry->path() / "type") != "0" &&
                          fs::exists(entry->path() / "device");
        if (adapter || uart) {
            devices.push_back((fs::path("/dev") / name).string());
        }
    }
    std::sort(devices.begin(), devices.end(), [](const std::string &a, const std::string &b) {
        // USB adapters first, as the program numbers its ports.
        const bool usbA = a.find("ttyS") == std::string::npos, usbB = b.find("ttyS") == std::string::npos;
        return usbA != usbB ? usbA : a < b;
    });
    return devices;
}

PortExamination ExaminePort(const std::string &device, const SystemView &system, const UserView &user) {
    PortExamination port;
    port.device = device;
    const fs::path path = fs::path(device).is_absolute() ? UnderRoot(system, device) : fs::path(device);
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    struct stat info {};
    if (error || ::stat(resolved.c_str(), &info) != 0) {
        return port;
    }
    port.exists = true;
    port.resolved = resolved.string();
    const std::string tty = resolved.filename().string();
    if (resolved.parent_path().filename() == "pts") {
        port.kind = "pseudo-terminal (a program such as the simulated radio, not a cable)";
    } else {
        ReadSysfs(port, tty, system);
        if (port.kind.empty()) {
            port.kind = S_ISCHR(info.st_mode) ? "character device" : "not a device";
        }
    }
    ReadPermissions(port, info, system, user);
    // The program behind a pseudo-terminal keeps it open: that is what serves it, not a rival.
    (port.kind.starts_with("pseudo-terminal") ? port.servers : port.holders) =
        ProcessesHolding(resolved, system.proc);
    return port;
}

DoctorFindings ExaminePorts(const std::vector<std::string> &devices, const SystemView &system,
                            const UserView &user) {
    DoctorFindings findings;
    findings.user = user.name;
    for (const std::string &device : devices) {
        findings.ports.push_back(ExaminePort(device, system, user));
    }
    findings.modemManager = AnyExists(system, {"/usr/sbin/ModemManager", "/sbin/ModemManager"});
    findings.portRuleInstalled = AnyExists(
        system, {"/usr/lib/udev/rules.d/60-klt-serial.rules", "/lib/udev/rules.d/60-klt-serial.rules",
                 "/etc/udev/rules.d/60-klt-serial.rules", "/usr/local/lib/udev/rules.d/60-klt-serial.rules"});
    findings.brltty = AnyExists(system, {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty"});
    if (findings.brltty) {
        const std::string rules = BrlttyRules(system);
        for (const auto &port : findings.ports) {
            if (!port.vendorId.empty() && BrlttyTakes(rules, port.vendorId, port.productId)) {
                findings.brlttyClaims.push_back(port.vendorId + ":" + port.productId);
            }
        }
    }
    return findings;
}

bool AnyPortUsable(const DoctorFindings &findings) {
    return std::any_of(findings.ports.begin(), findings.ports.end(),
                       [](const PortExamination &port) { return port.usable(); });
}

} // namespace klt
