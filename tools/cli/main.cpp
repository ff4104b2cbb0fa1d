// klt-cli: the program's core without a window, for scripts, CI and service work.

#include "cli_args.h"
#include "cli_session.h"
#include "files/atomic_write.h"
#include "model/model_catalogue.h"
#include "verbs.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace klt::cli {

const std::vector<Verb> &Verbs() {
    static const std::vector<Verb> kVerbs = {
        {"new",
         "new --model N [--program-folder DIR] [--destination NAME | --no-destination] [--atis | --no-atis] "
         "-o OUT.dat|OUT.hex|OUT.txt",
         "write the default configuration of a model, as the program starts with it", RunNew},
        {"convert",
         "convert --model N [--program-folder DIR] [--destination NAME | --no-destination] [--atis | "
         "--no-atis] "
         "IN.dat|IN.hex OUT.dat|OUT.hex|OUT.txt",
         "open a settings or image file as the program does and write it as another (.txt: the report)",
         RunConvert},
        {"report",
         "report --model N [--program-folder DIR] [--destination NAME | --no-destination] [--atis | "
         "--no-atis] [--pdf OUT.pdf] "
         "IN.dat|IN.hex",
         "print the report text of a settings or image file, or write the printed report as a PDF file",
         RunReport},
        {"read",
         "read --model N --port DEVICE [--slow] [--debug] [--yes] [--no-backup] [--program-folder DIR] "
         "[--destination NAME | --no-destination] [--atis | --no-atis] -o OUT.hex|OUT.dat",
         "read the radio's memory (.hex: the program's image of it, the radio's memory but for the areas the "
         "program keeps of its own, as File > Save of debug mode writes it; .dat: its settings); the backup "
         "keeps the memory exactly as the radio sent it",
         RunRead},
        {"write",
         "write --model N --port DEVICE [--slow] [--debug] [--yes] [--force] [--no-verify] "
         "[--program-folder DIR] [--destination NAME | --no-destination] [--atis | --no-atis] IN.dat|IN.hex",
         "program the radio with a settings or image file, after its check and when it keeps the radio's "
         "MMSI (--force: despite the problems, or another MMSI), then read back what was written and "
         "compare (--no-verify: skip that)",
         RunWrite},
        {"clear",
         "clear --model N --port DEVICE [--slow] [--debug] [--yes] [--no-backup] [...] "
         "mmsi|dsc-log|distress-log|individual-directory|group-directory|waypoint-directory|dsc-tx-log|all|"
         "atis "
         "[IN.dat|IN.hex]",
         "erase an area of the radio's memory, after keeping what it erases among the backups "
         "(--no-backup: not)",
         RunClear},
        {"restore",
         "restore --model N --port DEVICE [--slow] [--debug] [--force] [--no-verify] [...] BACKUP.hex",
         "put back what a clear erased, from the backup kept before it, or program a read's backup; asks "
         "first (--force: restore)",
         RunRestore},
        {"export",
         "export --model N --table individual-directory|group-directory|expansion|weather|channels [...] "
         "IN.dat|IN.hex OUT.csv",
         "write one table of a settings or image file as a spreadsheet (CSV, UTF-8)", RunExport},
        {"import", "import --model N --table TABLE [...] IN.dat|IN.hex TABLE.csv OUT.dat|OUT.hex",
         "take a spreadsheet's table into a file: every row checked, nothing written on the first bad row",
         RunImport},
        {"diff", "diff --model N [...] A.dat|A.hex B.dat|B.hex",
         "print each setting that differs: [Section] Key: value in A -> value in B (exit 0 none, 1 some, 2 "
         "trouble)",
         RunDiff},
        {"check", "check --model N [...] FILE.dat|FILE.hex",
         "print what the radio would not take, as Program to Radio checks it (exit 0 none, 1 some, 2 "
         "trouble)",
         RunCheck},
        {"backups", "backups",
         "list the images kept by every read (newest first): date, model, user MMSI, first stations, file",
         RunBackups},
        {"info", "info FILE", "show the length, model codes, acceptance and checksum of an image file",
         RunInfo},
        {"fleet",
         "fleet --model N --plan PLAN.csv [--slow] [--force] [--no-verify] [--dry-run] [--read] "
         "[--program-folder "
         "DIR] [--destination NAME | --no-destination] [--atis | --no-atis] BASE.dat|BASE.hex",
         "program every radio of the plan at once (one row per radio: Port, Name, UserMMSI, AtisCode, "
         "names), "
         "each read and kept among the backups first, then programmed with the base and its own identity and "
         "read back (--force: also radios that hold another MMSI); --dry-run: what each would get; --read: "
         "keep every radio's memory, change none (BASE optional); exit 0 when every radio succeeded",
         RunFleet},
        {"doctor", "doctor [--port DEVICE] [--probe]",
         "say for each serial port (or the one named) whether this user can use it, and what to do when not: "
         "the adapter, its owner and group, the group to join, programs holding it, services that take "
         "adapters away; --probe: whether a radio answers the wake-up (exit 0 when a port is usable)",
         RunDoctor},
    };
    return kVerbs;
}

bool StandardOutputWritten(std::string_view verb) {
    errno = 0;
    std::cout.flush();
    if (std::cout) {
        return true;
    }
    std::cerr << "klt-cli " << verb << ": cannot write to standard output"
              << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
    return false;
}

namespace {

void PrintUsage(std::ostream &out) {
    out << "usage: klt-cli VERB [OPTIONS]\n       klt-cli --list-models\n\nverbs:\n";
    for (const auto &verb : Verbs()) {
        out << "  " << verb.usage << "\n      " << verb.summary << "\n";
    }
    out << "\nmodels (--model N): " << ModelList() << "\n";
}

// One line per model of the catalogue: its number, name, model code and description files.
void ListModels(std::ostream &out) {
    for (const Model model : CatalogueModels()) {
        out << ModelNumber(model) << '\t' << ModelName(model) << "\tcode " << ModelCode(model).value_or(0)
            << "\tfiles *" << ModelFileSuffix(model) << ".ini\n";
    }
}

int Run(const std::vector<std::string> &args) {
    if (args.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(std::cout);
        return StandardOutputWritten("--help") ? kExitOk : kExitFailed;
    }
    if (args[0] == "--list-models") {
        if (args.size() != 1) {
            std::cerr << "klt-cli: --list-models takes no arguments\n";
            return kExitUsage;
        }
        ListModels(std::cout);
        return StandardOutputWritten("--list-models") ? kExitOk : kExitFailed;
    }
    for (const auto &verb : Verbs()) {
        if (verb.name != args[0]) {
            continue;
        }
        try {
            return verb.run({args.begin() + 1, args.end()});
        } catch (const UsageError &error) {
            std::cerr << "klt-cli " << verb.name << ": " << error.text << "\nusage: klt-cli " << verb.usage
                      << '\n';
            return kExitUsage;
        }
    }
    std::cerr << "klt-cli: unknown verb " << args[0] << "\n\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}

} // namespace
} // namespace klt::cli

int main(int argc, char **argv) {
#ifdef _WIN32
    // The verbs print the same bytes as on other systems: the report's CR LF must not become CR CR LF.
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    klt::LetWritesPastTheSizeLimitFail();
    try {
        return klt::cli::Run({argv + 1, argv + argc});
    } catch (const std::exception &error) {
        std::cerr << "klt-cli: " << error.what() << '\n';
        return klt::cli::kExitFailed;
    }
}
