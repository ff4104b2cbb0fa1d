// klt-cli diff, check and backups: what differs between two files, what in a file the radio would not
// take, and the images the reads kept.

#include "app/backups.h"
#include "app/settings_file_commands.h"
#include "cli_session.h"
#include "files/settings_diff.h"
#include "files/whole_file.h"
#include "model/configuration_check.h"
#include "terminal_text.h"
#include "verbs.h"

#include <iostream>

namespace klt::cli {

// Exit 0: no difference; 1: differences, one line each on standard output; 2: trouble.
int RunDiff(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, ConfigurationOptions());
    if (args.positional.size() != 2 || args.has("-o")) {
        throw UsageError{"A and B are required"};
    }
    RequireExtension(args.positional[0], {".dat", ".hex"});
    RequireExtension(args.positional[1], {".dat", ".hex"});
    auto first = OpenSession(args);
    auto second = OpenSession(args);
    if (!LoadInput(*first, args, args.positional[0]) || !LoadInput(*second, args, args.positional[1])) {
        return kExitUsage;
    }
    const auto &ctx = first->ctx;
    const auto lines = SettingsDifferences(ctx.Config, second->ctx.Config, ctx.CurrentModel, ctx.ModelName,
                                           ctx.AtisAvailable);
    for (const auto &line : lines) {
        std::cout << Printable(line) << '\n';
    }
    if (!StandardOutputWritten("diff")) {
        return kExitUsage;
    }
    return lines.empty() ? kExitOk : kExitFailed;
}

// Exit 0: the radio can take the file; 1: problems, one line each on standard output; 2: trouble.
int RunCheck(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, ConfigurationOptions());
    if (args.positional.size() != 1 || args.has("-o")) {
        throw UsageError{"one FILE is required"};
    }
    RequireExtension(args.positional[0], {".dat", ".hex"});
    auto session = OpenSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitUsage;
    }
    const auto &ctx = session->ctx;
    auto problems = CheckConfiguration(ctx.Config, ctx.CurrentModel, ctx.AtisAvailable);
    if (Extension(args.positional[0]) == ".dat") {
        // What the file could not give counts as much as what the radio would not take.
        const SettingsFileNotes notes = NotesOnSettingsText(ctx, ReadWholeFile(args.positional[0]).bytes);
        if (notes.missing > 0) {
            problems.insert(problems.begin(),
                            std::to_string(notes.missing) +
                                " settings are missing from the file and keep their defaults");
        }
        problems.insert(problems.begin() + (notes.missing > 0 ? 1 : 0), notes.refused.begin(),
                        notes.refused.end());
    }
    for (const auto &problem : problems) {
        std::cout << Printable(problem) << '\n';
    }
    if (!StandardOutputWritten("check")) {
        return kExitUsage;
    }
    return problems.empty() ? kExitOk : kExitFailed;
}

// The automatic backups of reads and before clears, newest first: date, model, kind, user MMSI, first
// stations, file.
int RunBackups(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, OptionTable{});
    if (!args.positional.empty()) {
        throw UsageError{"backups takes no arguments"};
    }
    const auto folder = BackupFolder("KLT Programmer");
    if (const auto problem = BackupFolderProblem(folder)) {
        std::cerr << "klt-cli backups: " << *problem << '\n';
        return kExitFailed;
    }
    for (const BackupInfo &backup : ListBackups(folder)) {
        std::cout << Printable(backup.date + "  " + backup.model + "  " + backup.kind + "  " +
                               (backup.userMmsi.empty() ? "-" : backup.userMmsi) + "  " +
                               (backup.names.empty() ? "-" : backup.names) + "  " + backup.path.string())
                  << '\n';
    }
    return StandardOutputWritten("backups") ? kExitOk : kExitFailed;
}

} // namespace klt::cli
