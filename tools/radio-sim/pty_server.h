#pragma once
// Serves a simulated radio on a pseudo-terminal whose slave a symbolic link points at, until SIGTERM
// or SIGINT (or, with closeOnHang, until the radio stops answering).

#include "simulated_radio.h"

#include <filesystem>
#include <string>

namespace klt::sim {

struct ServeOptions {
    std::filesystem::path link;
    bool emulateBaud = false; // delay every byte by its time on the wire
    bool closeOnHang = false; // once the radio stops answering, close the line: the PC sees it at once
    int stopFd = -1;          // serve until this is readable; -1: until SIGTERM or SIGINT
};

// Returns the process exit status; prints "ready PATH" once the link exists.
int Serve(SimulatedRadio &radio, const ServeOptions &options);

} // namespace klt::sim
