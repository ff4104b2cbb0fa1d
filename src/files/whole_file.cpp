#include "files/whole_file.h"

#include <cerrno>
#include <fstream>
#include <iterator>

namespace klt {

WholeFile ReadWholeFile(const std::filesystem::path &path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    WholeFile file;
    if (in) {
        file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (!in.is_open() || in.bad()) {
        file.bytes.clear();
        file.fault = FaultFromErrno(errno != 0 ? errno : EIO);
    }
    return file;
}

} // namespace klt
