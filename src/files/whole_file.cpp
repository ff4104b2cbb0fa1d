#include "files/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

namespace klt {

namespace {

Fault TooLarge(std::size_t limit) {
    const std::string larger = "the file is larger than " + std::to_string(limit) + " bytes";
    return {75, "Path/File access error (" + larger + ")", larger};
}

} // namespace

std::optional<Fault> NotARegularFile(const std::filesystem::path &path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return FaultFromErrno(error && error.value() != ENOENT ? error.value() : ENOENT);
    }
    if (std::filesystem::is_directory(status)) {
        return FaultFromErrno(EISDIR);
    }
    if (!std::filesystem::is_regular_file(status)) {
        return Fault{75, "Path/File access error (not a regular file)", "not a regular file"};
    }
    return std::nullopt;
}

WholeFile ReadWholeFile(const std::filesystem::path &path, std::size_t limit) {
    WholeFile file;
    if (const auto fault = NotARegularFile(path)) {
        file.fault = fault;
        return file;
    }
    std::error_code error;
    if (std::filesystem::file_size(path, error) > limit && !error) {
        file.fault = TooLarge(limit);
        return file;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        file.fault = FaultFromErrno(errno != 0 ? errno : EIO);
        return file;
    }
    // The file may grow while it is read: take it in pieces, up to one byte past the limit.
    constexpr std::size_t kPiece = 64 * 1024;
    while (in && file.bytes.size() <= limit) {
        const std::size_t had = file.bytes.size();
        file.bytes.resize(had + std::min(kPiece, limit + 1 - had));
        in.read(file.bytes.data() + had, static_cast<std::streamsize>(file.bytes.size() - had));
        file.bytes.resize(had + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        file = {{}, FaultFromErrno(errno != 0 ? errno : EIO)};
    } else if (file.bytes.size() > limit) {
        file = {{}, TooLarge(limit)};
    }
    return file;
}

} // namespace klt
