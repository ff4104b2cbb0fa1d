#include "files/hex_file.h"

#include "files/atomic_write.h"
#include "files/whole_file.h"

#include <cerrno>
#include <fstream>

namespace klt {

ImageFileBytes ReadImageFile(const std::filesystem::path &path) {
    ImageFileBytes file{std::vector<std::uint8_t>(RadioImage::kSize), std::nullopt};
    if (const auto fault = NotARegularFile(path)) {
        file.fault = fault;
        return file;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char *>(file.bytes.data()),
                 static_cast<std::streamsize>(file.bytes.size()))) {
        file.fault = FaultFromErrno(errno != 0 ? errno : EIO);
    }
    return file;
}

std::optional<Fault> WriteImageFile(const std::filesystem::path &path, const RadioImage &image) {
    const auto bytes = image.bytes();
    return WriteFileAtomically(path, {reinterpret_cast<const char *>(bytes.data()), bytes.size()});
}

} // namespace klt
