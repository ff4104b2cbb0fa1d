#pragma once
// The processes other than this one that have a device open, as "name (process N)", found in
// /proc (or a tree laid out as it is). Processes of other users the system does not show are missed.

#include <filesystem>
#include <string>
#include <vector>

namespace klt {

std::vector<std::string> ProcessesHolding(const std::filesystem::path &device,
                                          const std::filesystem::path &proc = "/proc");

} // namespace klt
