#include "files/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace klt {

namespace {

constexpr int kMaxLinkHops = 40;

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

// The file a path names in the end, its symbolic links followed.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hop = 0;
         hop < kMaxLinkHops && std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
         ++hop) {
        const auto target = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

std::filesystem::path FolderOf(const std::filesystem::path &file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// A rename is durable only once the folder that holds the name is.
void SyncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::optional<Fault> WriteInPlace(const std::filesystem::path &file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return FaultFromErrno(errno);
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !written) {
        return FaultFromErrno(written ? errno : error);
    }
    return std::nullopt;
}

std::optional<Fault> NotAFileFault(const struct stat &info) {
    if (S_ISDIR(info.st_mode)) {
        return FaultFromErrno(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return Fault{75, "Path/File access error (not a regular file)"};
    }
    return std::nullopt;
}

} // namespace

std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes) {
    const std::filesystem::path file = ResolveLinks(target);
    struct stat existing {};
    const bool replacing = ::stat(file.c_str(), &existing) == 0;
    if (replacing) {
        if (auto fault = NotAFileFault(existing)) {
            return fault;
        }
    }
    // A short temporary name, so that a target name of any legal length works.
    TemporaryFile temporary((FolderOf(file) / ".klt-save-XXXXXX").string());
    if (temporary.fd() < 0) {
        return FaultFromErrno(errno);
    }
    if (!WriteAll(temporary.fd(), bytes) || ::fsync(temporary.fd()) != 0) {
        return FaultFromErrno(errno);
    }
    if (replacing && existing.st_nlink > 1) {
        // No rename keeps the other names: the file itself is rewritten. Should that fail half way,
        // the complete new content stays in the trial file, and the fault says where.
        auto fault = WriteInPlace(file, bytes);
        if (fault) {
            temporary.keep();
            fault->description += " (the new content is kept in " + temporary.path() + ")";
        }
        return fault;
    }
    // A new file gets the permissions an ordinary file would have; a replaced one keeps its own, and its
    // owner where the process may give it.
    ::fchmod(temporary.fd(), replacing ? existing.st_mode & 07777 : 0666 & ~CurrentUmask());
    if (replacing && (::fchown(temporary.fd(), existing.st_uid, existing.st_gid) == 0 ||
                      ::fchown(temporary.fd(), static_cast<uid_t>(-1), existing.st_gid) == 0)) {
        ::fchmod(temporary.fd(), existing.st_mode & 07777); // a change of owner may clear set-id bits
    }
    if (temporary.close() != 0) {
        return FaultFromErrno(errno);
    }
    if (std::rename(temporary.path().c_str(), file.c_str()) != 0) {
        return FaultFromErrno(errno);
    }
    temporary.keep();
    SyncFolder(FolderOf(file));
    return std::nullopt;
}

std::optional<Fault> CheckWritable(const std::filesystem::path &path) {
    const std::filesystem::path file = ResolveLinks(path);
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) {
        if (auto fault = NotAFileFault(existing)) {
            return fault;
        }
    }
    if (::access(FolderOf(file).c_str(), W_OK | X_OK) != 0) {
        return FaultFromErrno(errno);
    }
    return std::nullopt;
}

} // namespace klt
