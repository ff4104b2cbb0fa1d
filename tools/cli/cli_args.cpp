#include "cli_args.h"

namespace klt::cli {

std::optional<std::string> ParsedArgs::value(const std::string &name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

ParsedArgs ParseArgs(const std::vector<std::string> &args, const OptionTable &options) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        // An option given twice is refused: which of the two was meant is not for the program to guess.
        if (options.withValue.contains(arg)) {
            if (i + 1 >= args.size()) {
                throw UsageError{arg + " needs a value"};
            }
            if (!parsed.values.emplace(arg, args[i + 1]).second) {
                throw UsageError{arg + " is given twice"};
            }
            ++i;
        } else if (options.flags.contains(arg)) {
            if (!parsed.flags.insert(arg).second) {
                throw UsageError{arg + " is given twice"};
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

} // namespace klt::cli
