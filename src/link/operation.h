#pragma once
// What the transfer dialog runs: a read, a write, or one of the nine clear operations.

#include <optional>
#include <string>

namespace klt {

// The values are the operation codes the program has always used.
enum class Operation {
    Read = 0,
    Program = 1,
    ClearMmsi = 2,
    ClearDscLog = 3,
    ClearDistressLog = 4,
    ClearIndividual = 5,
    ClearGroup = 6,
    ClearWaypoint = 7,
    ClearDscTxLog = 8,
    ClearAll = 9,
    ClearAtis = 10,
};

// The operation of a code; nothing for a code that names none.
std::optional<Operation> OperationFromCode(int code);

// The caption of the transfer dialog.
std::string OperationCaption(Operation operation);

// The area a clear erases, as the command line and the backups' file names write it ("dsc-log"), and
// back; nothing for a name that names no clear.
std::string ClearAreaName(Operation operation);
std::optional<Operation> ClearNamed(const std::string &name);

inline bool IsClear(Operation operation) {
    return operation != Operation::Read && operation != Operation::Program;
}

} // namespace klt
