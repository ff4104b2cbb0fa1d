#include "qt/device_holders.h"

#include <fstream>
#include <unistd.h>

namespace klt {

std::vector<std::string> ProcessesHolding(const std::filesystem::path &device,
                                          const std::filesystem::path &proc) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto target = fs::canonical(device, error);
    if (error) {
        return {};
    }
    const std::string self = std::to_string(::getpid());
    std::vector<std::string> holders;
    for (fs::directory_iterator process(proc, error), end; !error && process != end;
         process.increment(error)) {
        const std::string pid = process->path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == self) {
            continue;
        }
        std::error_code denied;
        for (fs::directory_iterator fd(process->path() / "fd", denied), last; !denied && fd != last;
             fd.increment(denied)) {
            std::error_code unreadable;
            if (fs::read_symlink(fd->path(), unreadable) == target) {
                std::string name;
                std::getline(std::ifstream(process->path() / "comm"), name);
                holders.push_back((name.empty() ? std::string("a program") : name) + " (process " + pid +
                                  ")");
                break;
            }
        }
    }
    return holders;
}

} // namespace klt
