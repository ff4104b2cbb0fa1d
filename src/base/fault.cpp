#include "base/fault.h"

#include <cerrno>
#include <system_error>

namespace klt {

namespace {

Fault LogFault(int error) {
    switch (error) {
    case ENOENT:
        return {53, "File not found"};
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT // a quota: not on every system
    case EDQUOT:
#endif
        return {61, "Disk full"};
    case EACCES:
    case EPERM:
    case EROFS:
        return {70, "Permission denied"};
    case EISDIR:
    case ENOTDIR:
        return {75, "Path/File access error"};
    case EIO:
        return {57, "Device I/O error"};
    default:
        return {error, std::generic_category().message(error)};
    }
}

} // namespace

Fault FaultFromErrno(int error) {
    Fault fault = LogFault(error);
    fault.reason = std::generic_category().message(error);
    return fault;
}

std::string ReasonText(const Fault &fault) {
    return fault.reason.empty() ? fault.description : fault.reason;
}

std::string FailureText(const Fault &fault) {
    return std::to_string(fault.number) + fault.description;
}

} // namespace klt
