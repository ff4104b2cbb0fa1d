// The safe save on Windows: the trial file is written through and flushed beside the target, then
// put in the target's place by ReplaceFileW (which keeps the replaced file's attributes, security and
// streams) or, for a new file, MoveFileExW with write-through. A file with other hard links is
// rewritten in place after the full trial write, so that every name sees the new content.

#include "files/atomic_write.h"
#include "files/atomic_write_parts.h"

#include <windows.h>

#include <cerrno>
#include <random>
#include <string>
#include <utility>

namespace klt {

namespace {

Fault FaultFromWindows(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return FaultFromErrno(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FaultFromErrno(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FaultFromErrno(ENOSPC);
    case ERROR_WRITE_PROTECT:
        return FaultFromErrno(EROFS);
    case ERROR_DIRECTORY:
        return FaultFromErrno(EISDIR);
    default:
        return FaultFromErrno(EIO);
    }
}

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    Handle(Handle &&other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle &operator=(Handle &&other) noexcept {
        if (this != &other) {
            close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    ~Handle() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !valid() || ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (::WriteFile(file, bytes.data(), chunk, &written, nullptr) == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Opened without sharing, the trial file is its own lock: another save's clean-up cannot delete it.
struct TrialFile {
    std::filesystem::path path;
    Handle handle;
};

void OpenTrial(TrialFile &trial, const std::filesystem::path &folder, const std::string &prefix) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) {
            name += kLetters[entropy() % (sizeof kLetters - 1)];
        }
        trial.path = folder / name;
        HANDLE handle = ::CreateFileW(trial.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            trial.handle = Handle(handle);
            return;
        }
    }
}

// What stands at a path that is to be written: nothing, or a file the user may write.
std::optional<Fault> TargetFault(const std::filesystem::path &file, bool &exists) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::nullopt : std::optional<Fault>(FaultFromWindows(error));
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FaultFromErrno(EISDIR);
    }
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
        return Fault{75, "Path/File access error (not a regular file)", "not a regular file"};
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return FaultFromErrno(EACCES);
    }
    return std::nullopt;
}

bool HasOtherNames(const std::filesystem::path &file) {
    Handle handle(::CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    return handle.valid() && ::GetFileInformationByHandle(handle.get(), &information) != 0 &&
           information.nNumberOfLinks > 1;
}

std::optional<Fault> WriteInPlace(const std::filesystem::path &file, std::string_view bytes) {
    Handle handle(::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    if (!handle.valid()) {
        return FaultFromWindows(::GetLastError());
    }
    const bool written = WriteAll(handle.get(), bytes) && ::SetEndOfFile(handle.get()) != 0 &&
                         ::FlushFileBuffers(handle.get()) != 0;
    const DWORD error = ::GetLastError();
    if (!handle.close() || !written) {
        return FaultFromWindows(written ? ::GetLastError() : error);
    }
    return std::nullopt;
}

// Deletes the trial files of the target that no running save holds open.
void RemoveStaleTrials(const std::filesystem::path &folder, const std::string &prefix) {
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            entry.is_regular_file(error)) {
            ::DeleteFileW(entry.path().c_str()); // fails while a save holds it open
        }
    }
}

} // namespace

std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes) {
    const ResolvedPath resolved = ResolveLinks(target);
    if (resolved.fault) {
        return resolved.fault;
    }
    // The file replacement wants the folder spelt out: a bare "radio.dat" would not be replaced.
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(resolved.file, error);
    if (error) {
        file = resolved.file;
    }
    bool replacing = false;
    if (auto fault = TargetFault(file, replacing)) {
        return fault;
    }
    const std::string prefix = TrialPrefix(file);
    TrialFile trial;
    OpenTrial(trial, FolderOf(file), prefix);
    if (!trial.handle.valid()) {
        return FaultFromWindows(::GetLastError());
    }
    bool kept = false;
    const auto removeTrial = [&trial, &kept] {
        trial.handle.close();
        if (!kept) {
            ::DeleteFileW(trial.path.c_str());
        }
    };
    if (!WriteAll(trial.handle.get(), bytes) || ::FlushFileBuffers(trial.handle.get()) == 0) {
        const Fault fault = FaultFromWindows(::GetLastError());
        removeTrial();
        return fault;
    }
    if (replacing && HasOtherNames(file)) {
        auto fault = WriteInPlace(file, bytes);
        if (fault) {
            kept = true;
            NoteContentKeptIn(*fault, trial.path.string());
        }
        removeTrial();
        if (!fault) {
            RemoveStaleTrials(FolderOf(file), prefix);
        }
        return fault;
    }
    trial.handle.close();
    const bool placed = replacing
                            ? ::ReplaceFileW(file.c_str(), trial.path.c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                            : ::MoveFileExW(trial.path.c_str(), file.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (!placed) {
        const Fault fault = FaultFromWindows(::GetLastError());
        removeTrial();
        return fault;
    }
    RemoveStaleTrials(FolderOf(file), prefix);
    return std::nullopt;
}

void LetWritesPastTheSizeLimitFail() {} // Windows has no file-size limit signal

std::optional<Fault> CheckWritable(const std::filesystem::path &path) {
    const ResolvedPath resolved = ResolveLinks(path);
    if (resolved.fault) {
        return resolved.fault;
    }
    bool exists = false;
    if (auto fault = TargetFault(resolved.file, exists)) {
        return fault;
    }
    const DWORD folder = ::GetFileAttributesW(FolderOf(resolved.file).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES) {
        return FaultFromWindows(::GetLastError());
    }
    return (folder & FILE_ATTRIBUTE_DIRECTORY) != 0 ? std::nullopt
                                                    : std::optional<Fault>(FaultFromErrno(ENOTDIR));
}

} // namespace klt
