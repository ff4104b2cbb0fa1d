#pragma once
// A run-time fault of a file or link operation: a number and a description, as the error log and the
// message boxes show them.

#include <string>

namespace klt {

struct Fault {
    int number = 0;
    std::string description;
};

} // namespace klt
