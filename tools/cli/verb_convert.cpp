// klt-cli convert: a settings file or an image file read as the program opens it, written as
// another file.

#include "cli_session.h"
#include "verbs.h"

namespace klt::cli {

int RunConvert(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, ConfigurationOptions());
    if (args.positional.size() != 2 || args.has("-o")) {
        throw UsageError{"IN and OUT are required"};
    }
    const std::string &in = args.positional[0];
    const std::string &out = args.positional[1];
    RequireExtension(in, {".dat", ".hex"});
    RequireExtension(out, {".dat", ".hex", ".txt"});
    auto session = OpenSession(args);
    return LoadInput(*session, args, in) && WriteOutput(*session, out) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
