#pragma once
// Command-line options of one verb: "--name value", "--flag", "-o OUT" and positional arguments.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace klt::cli {

struct OptionTable {
    std::set<std::string> withValue; // e.g. "--model", "-o"
    std::set<std::string> flags;     // e.g. "--no-destination"
};

struct ParsedArgs {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> positional;

    bool has(const std::string &name) const { return values.contains(name) || flags.contains(name); }
    std::optional<std::string> value(const std::string &name) const;
};

// Throws UsageError for an unknown option or a missing value.
ParsedArgs ParseArgs(const std::vector<std::string> &args, const OptionTable &options);

struct UsageError {
    std::string text;
};

} // namespace klt::cli
