#include "qt/device_holders.h"
#include "qt/port_problem.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace klt {

DeviceFacts InspectDevice(const std::string &device) {
    DeviceFacts facts;
    struct stat info {};
    if (device.empty()) {
        return facts;
    }
    if (::stat(device.c_str(), &info) != 0) {
        // Only a device that is not there is missing; a folder closed to the user is a permission.
        facts.exists = errno != ENOENT && errno != ENOTDIR;
        return facts;
    }
    facts.exists = true;
    facts.accessible = ::access(device.c_str(), R_OK | W_OK) == 0;
    // The reentrant lookup: the port is opened on the transfer's own thread.
    group entry{};
    group *owner = nullptr;
    std::vector<char> names(16384);
    const bool named = ::getgrgid_r(info.st_gid, &entry, names.data(), names.size(), &owner) == 0;
    facts.group = named && owner != nullptr ? owner->gr_name : std::to_string(info.st_gid);
    for (const std::string &holder : ProcessesHolding(device)) {
        facts.holder += (facts.holder.empty() ? "" : " and ") + holder;
    }
    return facts;
}

} // namespace klt
