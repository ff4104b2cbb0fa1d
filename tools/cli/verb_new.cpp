// klt-cli new: the configuration a model starts with, written as a file.

#include "cli_session.h"
#include "verbs.h"

namespace klt::cli {

int RunNew(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, ConfigurationOptions());
    const auto out = args.value("-o");
    if (!out || !args.positional.empty()) {
        throw UsageError{out ? "unexpected argument " + args.positional.front() : "-o OUT is required"};
    }
    RequireExtension(*out, {".dat", ".hex", ".txt"});
    auto session = OpenSession(args);
    return ResetForCli(*session, args) && WriteOutput(*session, *out) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
