// klt-cli export and import: one table of a settings or image file as a spreadsheet (CSV), and a
// spreadsheet's table taken into a file, all or nothing.

#include "cli_session.h"
#include "files/atomic_write.h"
#include "files/table_csv.h"
#include "files/whole_file.h"
#include "terminal_text.h"
#include "verbs.h"

#include <iostream>

namespace klt::cli {

namespace {

CsvTable TableOf(const ParsedArgs &args) {
    const auto name = args.value("--table");
    const auto table = name ? CsvTableNamed(*name) : std::nullopt;
    if (!table) {
        throw UsageError{
            "--table individual-directory|group-directory|expansion|weather|channels is required"};
    }
    return *table;
}

OptionTable TableOptions() {
    OptionTable options = ConfigurationOptions();
    options.withValue.insert("--table");
    return options;
}

} // namespace

int RunExport(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, TableOptions());
    if (args.positional.size() != 2 || args.has("-o")) {
        throw UsageError{"IN and OUT.csv are required"};
    }
    const CsvTable table = TableOf(args);
    RequireExtension(args.positional[0], {".dat", ".hex"});
    RequireExtension(args.positional[1], {".csv"});
    auto session = OpenSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitFailed;
    }
    if (const auto fault =
            WriteFileAtomically(args.positional[1], ExportCsvTable(session->ctx.Config, table))) {
        std::cerr << "klt-cli export: cannot write " << Printable(args.positional[1]) << ": "
                  << Printable(ReasonText(*fault)) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int RunImport(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, TableOptions());
    if (args.positional.size() != 3 || args.has("-o")) {
        throw UsageError{"IN, CSV and OUT are required"};
    }
    const CsvTable table = TableOf(args);
    const std::string &csv = args.positional[1];
    RequireExtension(args.positional[0], {".dat", ".hex"});
    RequireExtension(csv, {".csv"});
    RequireExtension(args.positional[2], {".dat", ".hex"});
    auto session = OpenSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitFailed;
    }
    const WholeFile text = ReadWholeFile(csv);
    if (text.fault) {
        std::cerr << "klt-cli import: cannot read " << Printable(csv) << ": "
                  << Printable(ReasonText(*text.fault)) << '\n';
        return kExitFailed;
    }
    if (const auto problem = ImportCsvTable(session->ctx.Config, table, text.bytes)) {
        std::cerr << Printable(csv) << ": " << DescribeCsvProblem(*problem) << "; nothing was written\n";
        return kExitFailed;
    }
    // Numbers of the right length but odd for their place are taken, and said.
    const auto &ctx = session->ctx;
    for (const std::string &warning : CheckOfTable(ctx.Config, ctx.CurrentModel, ctx.AtisAvailable, table)) {
        std::cerr << "klt-cli import: warning: " << Printable(warning) << '\n';
    }
    return WriteOutput(*session, args.positional[2]) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
