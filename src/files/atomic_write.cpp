#include "files/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace klt {

namespace {

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pathTemplate) : path_(std::move(pathTemplate)) {
        fd_ = ::mkstemp(path_.data());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile() {
        close();
        if (!kept_) {
            ::unlink(path_.c_str());
        }
    }
    int fd() const { return fd_; }
    const std::string &path() const { return path_; }
    int close() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }
    void keep() { kept_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    TemporaryFile temporary((folder / ("." + target.filename().string() + ".XXXXXX")).string());
    if (temporary.fd() < 0) {
        return FaultFromErrno(errno);
    }
    if (!WriteAll(temporary.fd(), bytes) || ::fsync(temporary.fd()) != 0) {
        return FaultFromErrno(errno);
    }
    // A new file gets the permissions an ordinary file would have; a replaced one keeps its own.
    struct stat existing {};
    const mode_t mode =
        ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~CurrentUmask();
    ::fchmod(temporary.fd(), mode);
    if (temporary.close() != 0) {
        return FaultFromErrno(errno);
    }
    if (std::rename(temporary.path().c_str(), target.c_str()) != 0) {
        return FaultFromErrno(errno);
    }
    temporary.keep();
    return std::nullopt;
}

} // namespace klt
