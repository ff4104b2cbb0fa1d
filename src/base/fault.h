#pragma once
// A run-time fault of a file or link operation: a number and a description, as the error log and the
// message boxes show them.

#include <string>

namespace klt {

struct Fault {
    int number = 0;
    std::string description;
};

// The program's fault for a system error: the numbers users and service staff know from the error
// log ("53File not found", "70Permission denied", ...), with the system's own text for the rest.
Fault FaultFromErrno(int error);

// "number" immediately followed by "description", as the error log records a failure.
std::string FailureText(const Fault &fault);

} // namespace klt
