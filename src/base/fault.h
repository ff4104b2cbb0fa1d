#pragma once
// A run-time fault of a file or link operation: a number and a description, as the error log and the
// message boxes show them.

#include <string>
#include <utility>

namespace klt {

struct Fault {
    Fault() = default;
    Fault(int number_, std::string description_, std::string reason_ = {})
        : number(number_), description(std::move(description_)), reason(std::move(reason_)) {}

    int number = 0;
    std::string description;
    std::string reason; // the system's own words for it ("No space left on device"), when it has them
};

// The program's fault for a system error: the numbers users and service staff know from the error
// log ("53File not found", "70Permission denied", ...), with the system's own text for the rest.
Fault FaultFromErrno(int error);

// What a message tells the user: the system's reason where there is one, else the description.
std::string ReasonText(const Fault &fault);

// "number" immediately followed by "description", as the error log records a failure.
std::string FailureText(const Fault &fault);

} // namespace klt
