// klt-cli as a user runs it: the built executable, its exit status, its output and its files.

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>

namespace klt {
namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::filesystem::path BinDir() {
    return KLT_BUILD_BIN_DIR;
}

// A shell command's exit status and standard output.
Result RunShell(const std::string &command) {
    Result result;
    FILE *pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

Result RunCli(const std::string &arguments, const std::string &environment = "") {
    test::TempFolder scratch;
    const auto err = scratch.path() / "err";
    Result result = RunShell(environment + " " + (BinDir() / "klt-cli").string() + " " + arguments + " 2>" +
                             err.string());
    result.err = test::ReadFile(err);
    return result;
}

std::uint8_t At(const std::string &bytes, std::size_t address) {
    return static_cast<std::uint8_t>(bytes.at(address));
}

TEST(CliNew, ModelThreeWithoutDestination) {
    test::TempFolder folder;
    const auto out = folder.path() / "x.hex";
    const auto result = RunCli("new --model 3 --no-destination -o " + out.string());
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string image = test::ReadFile(out);
    ASSERT_EQ(image.size(), 32768u);
    EXPECT_EQ(At(image, 0), 0x01);
    EXPECT_EQ(At(image, 1), 0xF4);
    EXPECT_EQ(At(image, 0x7FFE), 0x01);
    EXPECT_EQ(At(image, 0x7FFF), 0xF4);
    unsigned sum = 0;
    for (std::size_t a = 0x42; a <= 0x5E; ++a) {
        sum += At(image, a);
    }
    EXPECT_EQ(At(image, 0x5F), sum & 0xFF);
    EXPECT_EQ(At(image, 60), 0xFF); // the built-in default, no destination

    const auto info = RunCli("info " + out.string());
    ASSERT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("length: 32768 bytes"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("model code at 0x0000: 500"), std::string::npos);
    EXPECT_NE(info.out.find("model code at 0x7FFE: 500"), std::string::npos);
    EXPECT_NE(info.out.find("model 1 (TQ-300): refused"), std::string::npos);
    EXPECT_NE(info.out.find("model 2 (TQ-400E/TQ-450): refused"), std::string::npos);
    EXPECT_NE(info.out.find("model 3 (TQ-500): accepted"), std::string::npos);
    EXPECT_NE(info.out.find("model 11 (TQ-300M): refused"), std::string::npos);
    const auto checksum = "stored 0x" + std::string(1, "0123456789ABCDEF"[(sum >> 4) & 0xF]) +
                          std::string(1, "0123456789ABCDEF"[sum & 0xF]);
    EXPECT_NE(info.out.find(checksum + ", computed 0x" + checksum.substr(9)), std::string::npos) << info.out;
}

TEST(CliNew, UsesTheStoredUsaDestinationByDefault) {
    test::TempFolder folder;
    const auto out = folder.path() / "y.hex";
    ASSERT_EQ(RunCli("new --model 1 -o " + out.string()).status, 0);
    const std::string image = test::ReadFile(out);
    EXPECT_EQ(image, test::ReadFile(BinDir() / "USA_012C.ini"));
    EXPECT_EQ(image.substr(194, 3), "USA");
    EXPECT_EQ(At(image, 60), 3);
}

TEST(CliNew, AnotherDestinationOrNone) {
    test::TempFolder folder;
    const auto out = folder.path() / "c.hex";
    ASSERT_EQ(RunCli("new --model 2 --destination can -o " + out.string()).status, 0);
    const std::string image = test::ReadFile(out);
    EXPECT_EQ(image.substr(194 + 32, 3), "CAN");
    EXPECT_EQ(At(image, 0), 0x01);
    EXPECT_EQ(At(image, 1), 0xC2);
    EXPECT_EQ(At(image, 33), 2); // the radio starts in the Canada group

    const auto missing =
        RunCli("new --model 1 --destination nowhere -o " + (folder.path() / "n.hex").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "PC Program for TQ-300: IniFileRead Error!!\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "n.hex"));

    // A program folder without description files gives the built-in defaults.
    const auto empty = RunCli("new --model 1 --program-folder " + folder.path().string() + " -o " +
                              (folder.path() / "e.hex").string());
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(At(test::ReadFile(folder.path() / "e.hex"), 60), 0xFF);
}

TEST(CliNew, AFailedSaveSaysSoAndExitsOne) {
    const auto result = RunCli("new --model 1 -o /nonexistent-folder/x.hex");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("FileSave Error!!"), std::string::npos) << result.err;
}

TEST(Cli, UsageErrorsExitTwo) {
    for (const std::string arguments :
         {"", "frobnicate", "new -o x.hex", "new --model 4 -o x.hex", "new --model 1x -o x.hex",
          "new --model 1 -o x.bin", "new --model 1 --bogus -o x.hex",
          "new --model 1 --destination usa --no-destination -o x.hex", "info", "info a b", "new --model"}) {
        const auto result = RunCli(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << arguments << ": " << result.err;
    }
    const auto help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("new --model N"), std::string::npos);
    EXPECT_NE(help.out.find("info FILE"), std::string::npos);
}

TEST(Cli, ListsTheModelsOfTheCatalogue) {
    const auto list = RunCli("--list-models");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "1\tTQ-300\tcode 300\tfiles *_012C.ini\n"
                        "2\tTQ-400E/TQ-450\tcode 450\tfiles *_01C2.ini\n"
                        "3\tTQ-500\tcode 500\tfiles *_01F4.ini\n"
                        "11\tTQ-300M\tcode 300\tfiles *-M_012C.ini\n");
    EXPECT_EQ(RunCli("--list-models extra").status, 2);
    EXPECT_NE(RunCli("new --model 4 -o x.hex").err.find("(1 TQ-300, 2 TQ-400E/TQ-450, 3 TQ-500, 11 TQ-300M)"),
              std::string::npos);
}

// What is not a regular file is not read; a full standard output is a failure that says so; a read
// whose output could not be written does not start.
TEST(Cli, RefusesWhatItCannotDoBeforeDoingIt) {
    test::TempFolder folder;
    const auto onFolder = RunCli("info " + folder.path().string());
    EXPECT_EQ(onFolder.status, 1);
    EXPECT_NE(onFolder.err.find("FileRead Error!!"), std::string::npos) << onFolder.err;
    EXPECT_EQ(onFolder.out, "");

    const auto image = folder.path() / "x.hex";
    ASSERT_EQ(RunCli("new --model 1 --no-destination -o " + image.string()).status, 0);
    for (const std::string &arguments :
         {"info " + image.string(), "report --model 1 " + image.string(), std::string("--list-models")}) {
        const auto full = RunCli(arguments + " >/dev/full");
        EXPECT_EQ(full.status, 1) << arguments;
        EXPECT_NE(full.err.find("cannot write to standard output"), std::string::npos) << arguments;
    }

    const auto unwritable = RunCli("read --model 1 --port " + (folder.path() / "no-radio").string() + " -o " +
                                   (folder.path() / "missing" / "r.hex").string());
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "PC Program for TQ-300: FileSave Error!!\n" +
                                  (folder.path() / "missing" / "r.hex").string() + ": " +
                                  std::generic_category().message(ENOENT) + "\n");
}

TEST(CliInfo, ShortFilesAndMissingFiles) {
    test::TempFolder folder;
    const auto file = folder.write("short.hex", std::string("\x01\x2C", 2) + std::string(100, '\xFF'));
    const auto result = RunCli("info " + file.string());
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("length: 102 bytes"), std::string::npos);
    EXPECT_NE(result.out.find("model code at 0x0000: 300"), std::string::npos);
    EXPECT_NE(result.out.find("model code at 0x7FFE: none"), std::string::npos);
    EXPECT_NE(result.out.find("model 1 (TQ-300): refused"), std::string::npos);
    EXPECT_EQ(RunCli("info " + (folder.path() / "none").string()).status, 1);
}

TEST(CliConvert, SettingsToImageAndBackGivesTheSameFile) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);
    ASSERT_EQ(RunCli("convert --model 1 " + dir + "a.dat " + dir + "b.hex").status, 0);
    ASSERT_EQ(RunCli("convert --model 1 " + dir + "b.hex " + dir + "c.dat").status, 0);
    const std::string a = test::ReadFile(folder.path() / "a.dat");
    EXPECT_TRUE(a.starts_with("[MAIN]\r\nMODEL=#TQ-300\r\n"));
    EXPECT_EQ(a, test::ReadFile(folder.path() / "c.dat"));
    EXPECT_EQ(test::ReadFile(folder.path() / "b.hex").size(), 32768u);
}

TEST(CliConvert, RefusalsLeaveTheOutputUntouched) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 3 -o " + dir + "tq500.dat").status, 0);
    folder.write("out.dat", "earlier");
    const auto model = RunCli("convert --model 1 " + dir + "tq500.dat " + dir + "out.dat");
    EXPECT_EQ(model.status, 1);
    EXPECT_EQ(model.err, "PC Program for TQ-300: ModelType Error !!\n" + dir +
                             "tq500.dat: the file is for the TQ-500, not the TQ-300\n");
    const auto bad =
        RunCli("convert --model 1 " + folder.write("short.hex", "xx").string() + " " + dir + "out.dat");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "PC Program for TQ-300: bad file!!\n" + dir +
                           "short.hex: the file has 2 bytes, an image has 32768\n");
    ASSERT_EQ(RunCli("new --model 3 -o " + dir + "tq500.hex").status, 0);
    const auto hex = RunCli("convert --model 2 " + dir + "tq500.hex " + dir + "out.dat");
    EXPECT_EQ(hex.status, 1);
    EXPECT_EQ(hex.err, "PC Program for TQ-400E/TQ-450: ModelType Error !!\n" + dir +
                           "tq500.hex: the image is of the TQ-500, not the TQ-400E/TQ-450\n");
    EXPECT_EQ(test::ReadFile(folder.path() / "out.dat"), "earlier");
    EXPECT_EQ(RunCli("convert --model 1 " + dir + "tq500.dat " + dir + "out.bin").status, 2);
}

TEST(CliReport, AtisFollowsTheOptionsAndTheTextMatchesTheSavedReport) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 2 -o " + dir + "a2.dat").status, 0);
    const auto withAtis = RunCli("report --model 2 --atis " + dir + "a2.dat");
    ASSERT_EQ(withAtis.status, 0) << withAtis.err;
    EXPECT_NE(withAtis.out.find("##### ATIS Setup (Common) #####"), std::string::npos);
    const auto without = RunCli("report --model 2 --no-atis " + dir + "a2.dat");
    EXPECT_EQ(without.out.find("ATIS"), std::string::npos);
    // global.ini gives model 2 its ATIS.
    EXPECT_EQ(RunCli("report --model 2 " + dir + "a2.dat").out, withAtis.out);
    ASSERT_EQ(RunCli("convert --model 2 " + dir + "a2.dat " + dir + "r.txt").status, 0);
    EXPECT_EQ(test::ReadFile(folder.path() / "r.txt"), withAtis.out);
    EXPECT_TRUE(withAtis.out.ends_with("------------\r\n"));
}

// The PDF as its reader sees it: each page's text, its first line, and the section headings in order.
// Saves under the file-size limit fail with the reason instead of killing the program; a name that
// is not UTF-8 is written byte for byte, the PDF's too; and the PDF is saved as every other file: a
// FIFO is refused without waiting for a reader, a hard-linked file keeps its other name.
TEST(CliFiles, SavesFailSafelyAndKeepEveryName) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    const auto limited = RunCli("new --model 1 -o " + dir + "big.dat", "ulimit -f 2;");
    EXPECT_EQ(limited.status, 1) << limited.err;
    EXPECT_NE(limited.err.find(dir + "big.dat: " + std::generic_category().message(EFBIG)), std::string::npos)
        << limited.err;
    EXPECT_FALSE(std::filesystem::exists(dir + "big.dat"));

    const std::string odd = "r\xff\xfe";
    ASSERT_EQ(RunCli("new --model 1 -o \"$(printf '" + dir + "r\\377\\376.hex')\"").status, 0);
    ASSERT_TRUE(std::filesystem::exists(dir + odd + ".hex"));
    const auto pdf =
        RunCli("report --pdf \"$(printf '" + dir + "r\\377\\376.pdf')\" --model 1 " + dir + odd + ".hex");
    EXPECT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_TRUE(test::ReadFile(dir + odd + ".pdf").starts_with("%PDF"));

    ASSERT_EQ(::mkfifo((dir + "fifo.pdf").c_str(), 0644), 0);
    const auto fifo = RunCli("report --pdf " + dir + "fifo.pdf --model 1 " + dir + odd + ".hex");
    EXPECT_EQ(fifo.status, 1);
    EXPECT_NE(fifo.err.find("not a regular file"), std::string::npos) << fifo.err;
    folder.write("a.pdf", "old");
    std::filesystem::create_hard_link(dir + "a.pdf", dir + "b.pdf");
    ASSERT_EQ(RunCli("report --pdf " + dir + "a.pdf --model 1 " + dir + odd + ".hex").status, 0);
    EXPECT_TRUE(test::ReadFile(dir + "b.pdf").starts_with("%PDF"));
    EXPECT_EQ(std::filesystem::hard_link_count(dir + "a.pdf"), 2u);
}

TEST(CliReport, PdfPagesCarryTheHeaderAndEverySectionInOrder) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 3 -o " + dir + "s.dat").status, 0);
    EXPECT_EQ(RunCli("report --pdf " + dir + "r.txt --model 3 " + dir + "s.dat").status, 2);
    const auto made = RunCli("report --pdf " + dir + "r.pdf --model 3 " + dir + "s.dat");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(made.out.empty());

    std::vector<std::string> headings;
    int page = 0;
    for (;;) {
        const std::string number = std::to_string(++page);
        const std::string text =
            RunShell("pdftotext -layout -f " + number + " -l " + number + " " + dir + "r.pdf - 2>/dev/null")
                .out;
        if (text.empty()) {
            break;
        }
        std::istringstream lines(text);
        std::string first;
        std::getline(lines, first);
        bool startsTable = false;
        for (std::string line; std::getline(lines, line);) {
            if (const auto at = line.find("#####"); at != std::string::npos) {
                headings.push_back(line.substr(at));
                startsTable = startsTable || headings.back().starts_with("##### Programable") ||
                              headings.back().starts_with("##### Memory ID") ||
                              headings.back().starts_with("##### Group ID");
            }
        }
        if (page == 1 || startsTable) {
            EXPECT_EQ(first, "TQ-500 Quaystone") << "page " << page;
        }
    }
    const std::vector<std::string> expected = {"##### Usable CH Group Setup #####",
                                               "##### Common Setup #####",
                                               "##### DSC Setup (Basic Setup) #####",
                                               "##### DSC Setup (Advanced Setup) #####",
                                               "##### DSC Setup (Display Setup) #####",
                                               "##### Programable USA Channel #####",
                                               "##### Programable International Channel #####",
                                               "##### Programable Canada Channel #####",
                                               "##### Programable WX Channel #####",
                                               "##### Memory ID #####",
                                               "##### Group ID #####",
                                               "##### Programable EXP Channel #####"};
    EXPECT_EQ(headings, expected);
}

TEST(CliDiff, ItselfIsNoDifferenceAndOneNameIsOneLine) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);
    ASSERT_EQ(RunCli("convert --model 1 " + dir + "a.dat " + dir + "a.hex").status, 0);
    const auto same = RunCli("diff --model 1 " + dir + "a.dat " + dir + "a.hex");
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");
    std::string text = test::ReadFile(folder.path() / "a.dat");
    text.replace(text.find("ChTag=#DISTRESS"), 15, "ChTag=#MAYDAY");
    folder.write("b.dat", text);
    const auto one = RunCli("diff --model 1 " + dir + "a.dat " + dir + "b.dat");
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(one.out, "[CHUSA32] ChTag: DISTRESS -> MAYDAY\n");
    const auto missing = RunCli("diff --model 1 " + dir + "a.dat " + dir + "missing.dat");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("FileRead Error!!\n" + dir + "missing.dat: "), std::string::npos)
        << missing.err;
    // An MMSI as people read it: nine digits, not the ten the file stores.
    text.replace(text.find("User MMSI=#"), 11, "User MMSI=#3661234560");
    folder.write("c.dat", text);
    const auto mmsi = RunCli("diff --model 1 " + dir + "b.dat " + dir + "c.dat");
    EXPECT_EQ(mmsi.out, "[DSC Setup (Basic Setup)] User MMSI:  -> 366123456\n");
}

TEST(CliCheck, NamesWhatTheRadioWouldNotTake) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 2 -o " + dir + "a.dat").status, 0);
    EXPECT_EQ(RunCli("check --model 2 " + dir + "a.dat").status, 0);
    std::string text = test::ReadFile(folder.path() / "a.dat");
    const auto set = [&text](const std::string &section, const std::string &key, const std::string &value) {
        const auto at = text.find(key + "=", text.find("[" + section + "]"));
        text.replace(at, text.find("\r\n", at) - at, key + "=" + value);
    };
    set("CHEXP1", "Enable", "1");
    set("CHMMSID1", "Enable", "1");
    set("CHMMSID1", "Mmsid", "12345");
    set("Usable CH Group Setup", "Priority CH 0", "1");
    folder.write("b.dat", text);
    const auto problems = RunCli("check --model 2 " + dir + "b.dat");
    EXPECT_EQ(problems.status, 1);
    EXPECT_NE(problems.out.find("priority channel 00A is not an enabled channel"), std::string::npos)
        << problems.out;
    EXPECT_NE(problems.out.find("EXP Channel 1: enabled without a receive frequency"), std::string::npos);
    EXPECT_NE(problems.out.find("Individual Directory, entry 1: the MMSI is not 9 digits"),
              std::string::npos);
}

// A file cut short and values the radio would not take: check lists them and exits 1; convert and
// write say so on standard error and go on with the defaults, never with a wrapped value.
TEST(CliCheck, AFileCutShortOrWithValuesNotTakenIsReported) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);
    std::string text = test::ReadFile(folder.path() / "a.dat");
    const auto at = text.find("Resume Time=");
    text.replace(at, text.find("\r\n", at) - at, "Resume Time=256");
    folder.write("range.dat", text);
    folder.write("cut.dat", text.substr(0, text.find("[DSC Setup (Basic Setup)]")));

    const auto range = RunCli("check --model 1 " + dir + "range.dat");
    EXPECT_EQ(range.status, 1);
    EXPECT_EQ(range.out, "[Common Setup] Resume Time=256: out of the radio's range\n");
    const auto cut = RunCli("check --model 1 " + dir + "cut.dat");
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(
        cut.out.find(" settings are missing from the file and keep their defaults\n[Common Setup] Resume "
                     "Time=256: out of the radio's range\n"),
        std::string::npos)
        << cut.out;
    EXPECT_NE(cut.err.find("settings are missing from the file (it ends after [COMMON SETUP])"),
              std::string::npos)
        << cut.err;

    const auto converted = RunCli("convert --model 1 " + dir + "range.dat " + dir + "range.hex");
    EXPECT_EQ(converted.status, 0);
    EXPECT_NE(converted.err.find("Resume Time=256: out of the radio's range"), std::string::npos)
        << converted.err;
    ASSERT_EQ(RunCli("convert --model 1 " + dir + "range.hex " + dir + "back.dat").status, 0);
    const std::string back = test::ReadFile(folder.path() / "back.dat");
    EXPECT_NE(back.find("Resume Time=3\r\n"), std::string::npos); // the default, not 256 wrapped to 0
}

// The window's program answers --help and --version as desktop programs do: on standard output, at
// once, without a display; its own switches and anything else still start the window.
TEST(WindowProgram, HelpAndVersionPrintAndExitWithoutADisplay) {
    const std::string klt =
        "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + (BinDir() / "klt").string();
    const auto version = RunShell(klt + " --version 2>&1");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("klt ")) << version.out;
    EXPECT_EQ(version.out.find('\n'), version.out.size() - 1);
    const auto help = RunShell(klt + " --help 2>&1");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: klt [/D | /E | /DE]\n")) << help.out;
    EXPECT_NE(help.out.find("klt-cli"), std::string::npos);
    // Without a display the window cannot start: proof that /D is still taken as a switch to start it.
    EXPECT_NE(RunShell(klt + " /D 2>/dev/null").status, 0);
}

// The core is standard C++: the tools built on it alone link nothing of Qt.
// A station's number of the right length but a MID no country holds is taken, and said; a refused row
// writes nothing and exits 1.
TEST(CliImport, OddNumbersAreTakenAndSaidARefusedRowWritesNothing) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);
    folder.write("ok.csv", "Entry,MMSI,Name\r\n1,366123456,HARBOUR\r\n2,200123456,ODD\r\n");
    const auto taken = RunCli("import --model 1 --table individual-directory " + dir + "a.dat " + dir +
                              "ok.csv " + dir + "b.dat");
    EXPECT_EQ(taken.status, 0) << taken.err;
    EXPECT_EQ(taken.err, "klt-cli import: warning: Individual Directory, entry 2: 200123456: 200 is no "
                         "country's Maritime Identification Digits\n");
    const auto exported =
        RunCli("export --model 1 --table individual-directory " + dir + "b.dat " + dir + "c.csv");
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(test::ReadFile(folder.path() / "c.csv"),
              "Entry,MMSI,Name\r\n1,366123456,HARBOUR\r\n2,200123456,ODD\r\n");

    folder.write("bad.csv", "Entry,MMSI,Name\r\n1,36612345,SHORT\r\n");
    const auto refused = RunCli("import --model 1 --table individual-directory " + dir + "a.dat " + dir +
                                "bad.csv " + dir + "d.dat");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("line 2"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "d.dat"));
}

// export: status 0 and the table as a spreadsheet file; 2 for a call it cannot make sense of, 1 for a
// file it cannot read or write; no file, or the earlier file untouched, unless it succeeded.
TEST(CliExport, ExitStatusAndTheFileItWrites) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);

    const auto weather = RunCli("export --model 1 --table weather " + dir + "a.dat " + dir + "w.csv");
    EXPECT_EQ(weather.status, 0) << weather.err;
    EXPECT_EQ(weather.out, "");
    EXPECT_EQ(test::ReadFile(folder.path() / "w.csv"), "Weather CH,Enable,Scan Memory,CH Name\r\n"
                                                       "WX01[162.550MHz],1,0,162.550MHZ\r\n"
                                                       "WX02[162.400MHz],1,0,162.400MHZ\r\n"
                                                       "WX03[162.475MHz],1,0,162.475MHZ\r\n"
                                                       "WX04[162.425MHz],1,0,162.425MHZ\r\n"
                                                       "WX05[162.450MHz],1,0,162.450MHZ\r\n"
                                                       "WX06[162.500MHz],1,0,162.500MHZ\r\n"
                                                       "WX07[162.525MHz],1,0,162.525MHZ\r\n"
                                                       "WX08[161.650MHz],1,0,161.650MHZ\r\n"
                                                       "WX09[161.775MHz],1,0,161.775MHZ\r\n"
                                                       "WX10[163.275MHz],1,0,163.275MHZ\r\n");
    EXPECT_EQ(RunCli("export --model 1 --table group-directory " + dir + "a.dat " + dir + "g.csv").status, 0);
    EXPECT_EQ(test::ReadFile(folder.path() / "g.csv"), "Entry,MMSI,Name\r\n");

    const std::string earlier = "the user's earlier table";
    folder.write("kept.csv", earlier);
    const struct {
        std::string arguments;
        int status;
    } refusals[] = {
        {"export --model 1 " + dir + "a.dat " + dir + "kept.csv", 2},                       // no table
        {"export --model 1 --table planets " + dir + "a.dat " + dir + "kept.csv", 2},       // no such table
        {"export --model 1 --table weather " + dir + "a.dat " + dir + "kept.txt", 2},       // not a .csv
        {"export --model 1 --table weather " + dir + "a.dat", 2},                           // no output
        {"export --model 1 --table weather " + dir + "missing.dat " + dir + "kept.csv", 1}, // no input
        {"export --model 1 --table weather " + dir + "w.csv " + dir + "kept.csv",
         2}, // input not a file of settings
        {"export --model 1 --table weather " + dir + "a.dat " + dir + "none/kept.csv", 1}, // no such folder
    };
    for (const auto &refusal : refusals) {
        const auto result = RunCli(refusal.arguments);
        EXPECT_EQ(result.status, refusal.status) << refusal.arguments << "\n" << result.err;
        EXPECT_NE(result.err, "") << refusal.arguments;
        EXPECT_EQ(test::ReadFile(folder.path() / "kept.csv"), earlier) << refusal.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "kept.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "none"));
}

// import: the table goes into the output file and nothing else changes; a file it cannot read, a refused
// line or an output it cannot write exits 1 and leaves the output as it was.
TEST(CliImport, ExitStatusAndTheFilesItWrites) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);
    const std::string groups = "Entry,MMSI,Name\r\n1,21134567,FLEET\r\n2,36610013,CREW\r\n";
    folder.write("g.csv", groups);

    const auto taken =
        RunCli("import --model 1 --table group-directory " + dir + "a.dat " + dir + "g.csv " + dir + "b.dat");
    EXPECT_EQ(taken.status, 0) << taken.err;
    EXPECT_EQ(taken.err, "");
    const auto changes = RunCli("diff --model 1 " + dir + "a.dat " + dir + "b.dat");
    EXPECT_EQ(changes.status, 1);
    EXPECT_EQ(changes.out, "[CHGRPID1] Enable: 0 -> 1\n"
                           "[CHGRPID1] TagName:  -> FLEET\n"
                           "[CHGRPID1] Mmsid:  -> 021134567\n"
                           "[CHGRPID2] Enable: 0 -> 1\n"
                           "[CHGRPID2] TagName:  -> CREW\n"
                           "[CHGRPID2] Mmsid:  -> 036610013\n");
    // Into an image, and out of it again: the same table.
    ASSERT_EQ(
        RunCli("import --model 1 --table group-directory " + dir + "a.dat " + dir + "g.csv " + dir + "b.hex")
            .status,
        0);
    EXPECT_EQ(RunCli("export --model 1 --table group-directory " + dir + "b.hex " + dir + "back.csv").status,
              0);
    EXPECT_EQ(test::ReadFile(folder.path() / "back.csv"), groups);

    const std::string earlier = test::ReadFile(folder.path() / "b.dat");
    folder.write("bad.csv", "Entry,MMSI,Name\r\n1,21134567,FLEET\r\n2,3661001,SHORT\r\n");
    std::filesystem::create_directory(folder.path() / "folder.csv");
    const struct {
        std::string arguments;
        int status;
    } refusals[] = {
        {"import --model 1 --table group-directory " + dir + "a.dat " + dir + "bad.csv " + dir + "b.dat", 1},
        {"import --model 1 --table group-directory " + dir + "a.dat " + dir + "none.csv " + dir + "b.dat", 1},
        {"import --model 1 --table group-directory " + dir + "a.dat " + dir + "folder.csv " + dir + "b.dat",
         1},
        {"import --model 1 --table group-directory " + dir + "none.dat " + dir + "g.csv " + dir + "b.dat", 1},
        {"import --model 1 --table weather " + dir + "a.dat " + dir + "g.csv " + dir + "b.dat", 1},
        {"import --model 1 --table group-directory " + dir + "a.dat " + dir + "g.csv", 2},
        {"import --model 1 " + dir + "a.dat " + dir + "g.csv " + dir + "b.dat", 2},
        {"import --model 1 --table group-directory " + dir + "a.dat " + dir + "g.csv " + dir + "b.csv", 2},
    };
    for (const auto &refusal : refusals) {
        const auto result = RunCli(refusal.arguments);
        EXPECT_EQ(result.status, refusal.status) << refusal.arguments << "\n" << result.err;
        EXPECT_NE(result.err, "") << refusal.arguments;
        EXPECT_EQ(test::ReadFile(folder.path() / "b.dat"), earlier) << refusal.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "b.csv"));
    const auto unwritable = RunCli("import --model 1 --table group-directory " + dir + "a.dat " + dir +
                                   "g.csv " + dir + "none/b.dat");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "none"));
}

// check: 0 with nothing on standard output for a file the radio takes, 1 with one line per problem,
// 2 when there is no file to check.
TEST(CliCheck, ExitStatusAndOneLinePerProblem) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 1 -o " + dir + "a.dat").status, 0);
    ASSERT_EQ(RunCli("convert --model 1 " + dir + "a.dat " + dir + "a.hex").status, 0);
    for (const char *name : {"a.dat", "a.hex"}) {
        const auto clean = RunCli("check --model 1 " + dir + name);
        EXPECT_EQ(clean.status, 0) << name << clean.err;
        EXPECT_EQ(clean.out, "") << name;
    }
    std::string text = test::ReadFile(folder.path() / "a.dat");
    const auto set = [&text](const std::string &section, const std::string &key, const std::string &value) {
        const auto at = text.find(key + "=", text.find("[" + section + "]\r\n"));
        text.replace(at, text.find("\r\n", at) - at, key + "=" + value);
    };
    set("CHEXP2", "Enable", "1");
    set("CHEXP2", "CHDisplayL", "#02");
    set("CHEXP2", "Scramble", "0");
    set("CHGRPID1", "Enable", "1");
    set("CHGRPID1", "TagName", "#FLEET");
    folder.write("b.dat", text);
    const auto problems = RunCli("check --model 1 " + dir + "b.dat");
    EXPECT_EQ(problems.status, 1) << problems.err;
    EXPECT_EQ(problems.out, "EXP Channel 2: enabled without a receive frequency\n"
                            "Group Directory, entry 1: in use without an MMSI: the radio would not get this "
                            "station\n");

    EXPECT_EQ(RunCli("check --model 1 " + dir + "missing.dat").status, 2);
    EXPECT_EQ(RunCli("check --model 1 " + dir + "a.dat " + dir + "b.dat").status, 2);
    EXPECT_EQ(RunCli("check --model 1").status, 2);
    folder.write("a.txt", "not settings");
    EXPECT_EQ(RunCli("check --model 1 " + dir + "a.txt").status, 2);
    EXPECT_EQ(RunCli("check --model 1 " + folder.write("short.hex", "xx").string()).status, 2);
}

// diff: each difference once, from the first file's value to the second's; 2 when a file is missing.
TEST(CliDiff, DirectionAndExitStatus) {
    test::TempFolder folder;
    const auto dir = folder.path().string() + "/";
    ASSERT_EQ(RunCli("new --model 3 -o " + dir + "a.dat").status, 0);
    std::string text = test::ReadFile(folder.path() / "a.dat");
    const auto at = text.find("TagName=#", text.find("[CHMMSID1]\r\n"));
    text.replace(at, 9, "TagName=#OSPREY");
    text.replace(text.find("Enable=0", text.find("[CHMMSID1]\r\n")), 8, "Enable=1");
    folder.write("b.dat", text);
    const auto forth = RunCli("diff --model 3 " + dir + "a.dat " + dir + "b.dat");
    const auto back = RunCli("diff --model 3 " + dir + "b.dat " + dir + "a.dat");
    EXPECT_EQ(forth.status, 1) << forth.err;
    EXPECT_EQ(forth.out, "[CHMMSID1] Enable: 0 -> 1\n[CHMMSID1] TagName:  -> OSPREY\n");
    EXPECT_EQ(back.status, 1);
    EXPECT_EQ(back.out, "[CHMMSID1] Enable: 1 -> 0\n[CHMMSID1] TagName: OSPREY -> \n");
    const auto same = RunCli("diff --model 3 " + dir + "b.dat " + dir + "b.dat");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");

    EXPECT_EQ(RunCli("diff --model 3 " + dir + "missing.dat " + dir + "a.dat").status, 2);
    EXPECT_EQ(RunCli("diff --model 3 " + dir + "a.dat").status, 2);
    EXPECT_EQ(RunCli("diff --model 3 " + dir + "a.dat " + dir + "a.dat " + dir + "b.dat").status, 2);
    EXPECT_EQ(RunCli("diff --model 3 " + dir + "a.dat " + folder.write("a.csv", "x").string()).status, 2);
}

// An option given twice, or a program folder that is not there, is refused: the program does not
// guess which was meant, nor write a memory without its destination.
TEST(CliArguments, AnOptionTwiceOrAMissingProgramFolderIsRefused) {
    test::TempFolder folder;
    const auto out = folder.path() / "x.hex";
    const auto twice = RunCli("new --model 1 --model 3 -o " + out.string());
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("--model is given twice"), std::string::npos) << twice.err;
    const auto flags = RunCli("new --model 1 --no-destination --no-destination -o " + out.string());
    EXPECT_EQ(flags.status, 2);
    const auto missing =
        RunCli("new --model 1 --program-folder " + (folder.path() / "none").string() + " -o " + out.string());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("is no folder"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

// A name in a file, or a file's own name, may hold terminal control bytes; what klt-cli prints of it must
// not reach the terminal as a command (here: clear the screen), in either the 7-bit or the 8-bit form.
TEST(CliOutput, ControlBytesFromAFileArePrintedEscaped) {
    test::TempFolder folder;
    const auto plain = folder.path() / "a.dat";
    ASSERT_EQ(RunCli("new --model 1 -o " + plain.string()).status, 0);
    std::string text = test::ReadFile(plain);
    const auto at = text.find("ChTag=#VTS");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 10, std::string("ChTag=#V\x1B[2J\xC2\x9B") + "2J");
    const auto hostile = folder.write("b.dat", text);
    for (const std::string &verb :
         {"diff --model 1 " + plain.string() + " ", std::string("check --model 1 ")}) {
        const auto result = RunCli(verb + hostile.string());
        EXPECT_EQ(result.status, 1) << verb;
        EXPECT_EQ(result.out.find('\x1B'), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find("\xC2\x9B"), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("\\x1B"), std::string::npos) << result.out;
    }
    const auto named = RunCli("info '" + (folder.path() / "x\x1B[2J.hex").string() + "'");
    EXPECT_EQ(named.status, 1);
    EXPECT_EQ(named.err.find('\x1B'), std::string::npos) << named.err;
    EXPECT_NE(named.err.find("x\\x1B[2J.hex"), std::string::npos) << named.err;
}

TEST(Core, LinksWithoutQt) {
    for (const std::string tool : {"klt-make-model-file", "klt-radio-sim"}) {
        const std::string command = "ldd " + (BinDir() / tool).string();
        FILE *pipe = ::popen(command.c_str(), "r");
        std::string libraries;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            libraries.append(buffer, n);
        }
        EXPECT_EQ(::pclose(pipe), 0);
        EXPECT_NE(libraries.find("libc.so"), std::string::npos) << tool;
        EXPECT_EQ(libraries.find("Qt"), std::string::npos) << tool << ": " << libraries;
    }
}

} // namespace
} // namespace klt
