#include "files/atomic_write.h"
#include "files/atomic_write_parts.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
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
    // Held locked while this save owns it, so that another save's clean-up leaves it alone.
    explicit TemporaryFile(std::string pathTemplate) : path_(std::move(pathTemplate)) {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_EX | LOCK_NB);
        }
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

// A rename is durable only once the folder that holds the name is.
void SyncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Room for the whole new content is taken first, so that a full disk fails before any of the old
// content is overwritten; the file is shortened to the new length only at the end.
std::optional<Fault> WriteInPlace(const std::filesystem::path &file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return FaultFromErrno(errno);
    }
    const auto size = static_cast<off_t>(bytes.size());
    const bool room = size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0 ||
                      errno == EOPNOTSUPP || errno == ENOSYS;
    const bool written = room && WriteAll(fd, bytes) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
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
        return Fault{75, "Path/File access error (not a regular file)", "not a regular file"};
    }
    return std::nullopt;
}

// A file the user may not write is not replaced, though its folder would allow it: a file without any
// write permission is read-only even to the administrator, as editors treat it.
std::optional<Fault> ReplacementRefused(const std::filesystem::path &file, const struct stat &info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return FaultFromErrno(EACCES);
    }
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
        return FaultFromErrno(errno);
    }
    return std::nullopt;
}

// What stands at a path that is to be written: nothing, or a regular file the user may write.
std::optional<Fault> TargetFault(const std::filesystem::path &file, struct stat &existing, bool &exists) {
    exists = ::stat(file.c_str(), &existing) == 0;
    if (!exists) {
        return errno == ENOENT ? std::nullopt : std::optional<Fault>(FaultFromErrno(errno));
    }
    if (auto fault = NotAFileFault(existing)) {
        return fault;
    }
    return ReplacementRefused(file, existing);
}

// A rename would drop the file's other names, or give another user's file to this one.
bool MustRewriteInPlace(const struct stat &existing) {
    return existing.st_nlink > 1 || (::geteuid() != 0 && existing.st_uid != ::geteuid());
}

// Removes this user's trial files of the target that no running save holds.
void RemoveStaleTrials(const std::filesystem::path &folder, const std::string &prefix) {
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(entry.path().c_str());
        }
        ::close(fd);
    }
}

} // namespace

std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes) {
    const ResolvedPath resolved = ResolveLinks(target);
    if (resolved.fault) {
        return resolved.fault;
    }
    const std::filesystem::path &file = resolved.file;
    struct stat existing {};
    bool replacing = false;
    if (auto fault = TargetFault(file, existing, replacing)) {
        return fault;
    }
    const std::string prefix = TrialPrefix(file);
    TemporaryFile temporary((FolderOf(file) / (prefix + "XXXXXX")).string());
    if (temporary.fd() < 0) {
        return FaultFromErrno(errno);
    }
    if (!WriteAll(temporary.fd(), bytes) || ::fsync(temporary.fd()) != 0) {
        return FaultFromErrno(errno);
    }
    if (replacing && MustRewriteInPlace(existing)) {
        // The file itself is rewritten. Should that fail half way, the complete new content stays in
        // the trial file, and the fault says where.
        auto fault = WriteInPlace(file, bytes);
        if (fault) {
            temporary.keep();
            NoteContentKeptIn(*fault, temporary.path());
            return fault;
        }
        RemoveStaleTrials(FolderOf(file), prefix);
        return std::nullopt;
    }
    // A new file gets the permissions an ordinary file would have; a replaced one keeps its own, and its
    // owner where the process may give it.
    ::fchmod(temporary.fd(), replacing ? existing.st_mode & 07777 : 0666 & ~CurrentUmask());
    if (replacing && (::fchown(temporary.fd(), existing.st_uid, existing.st_gid) == 0 ||
                      ::fchown(temporary.fd(), static_cast<uid_t>(-1), existing.st_gid) == 0)) {
        ::fchmod(temporary.fd(), existing.st_mode & 07777); // a change of owner may clear set-id bits
    }
    if (std::rename(temporary.path().c_str(), file.c_str()) != 0) {
        return FaultFromErrno(errno);
    }
    temporary.keep(); // its descriptor, synced already, is closed only now: the lock lasts till the rename
    SyncFolder(FolderOf(file));
    RemoveStaleTrials(FolderOf(file), prefix);
    return std::nullopt;
}

void LetWritesPastTheSizeLimitFail() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::optional<Fault> CheckWritable(const std::filesystem::path &path) {
    const ResolvedPath resolved = ResolveLinks(path);
    if (resolved.fault) {
        return resolved.fault;
    }
    struct stat existing {};
    bool exists = false;
    if (auto fault = TargetFault(resolved.file, existing, exists)) {
        return fault;
    }
    if (::access(FolderOf(resolved.file).c_str(), W_OK | X_OK) != 0) {
        return FaultFromErrno(errno);
    }
    return std::nullopt;
}

} // namespace klt
