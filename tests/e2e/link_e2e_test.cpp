// klt-cli read, write and clear against klt-radio-sim on a real pseudo-terminal: the system's serial
// port code, the simulator's command line and the protocol's own timing.

#include "line_harness.h"
#include "model/image_layout.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

using test::Simulator;
using test::Tool;

struct Result {
    int status;
    std::string err;
};

Result Cli(const test::TempFolder &, const std::string &arguments) {
    const auto result = test::RunCli(arguments);
    return {result.status, result.err};
}

TEST(LinkEndToEnd, ReadTakesOverTheRadiosMemory) {
    test::TempFolder folder;
    std::string memory = test::ReadFile(Tool("CAN_012C.ini"));
    memory[layout::kPlanTables[2].Name(32)] = 'Z'; // a name the radio holds
    memory[0x0010] = 0x42;                         // kept by the program
    memory[0x6000] = 0x43;                         // a log the program never takes over
    const auto image = folder.write("radio.hex", memory);
    const auto link = folder.path() / "radio";
    Simulator sim(link, {"--image", image.string(), "--log", (folder.path() / "sim.log").string()});
    ASSERT_TRUE(sim.ready());

    const auto result =
        Cli(folder, "read --model 1 --port " + link.string() + " -o " + (folder.path() / "r.hex").string());
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string said = "Read from Radio: Complete!!\nbackup: ";
    ASSERT_TRUE(result.err.starts_with(said)) << result.err;
    const std::string read = test::ReadFile(folder.path() / "r.hex");
    // The read keeps among the backups the memory exactly as the radio sent it, its own areas (the
    // logs the program never takes over) included.
    const std::string backup = result.err.substr(said.size(), result.err.size() - said.size() - 1);
    EXPECT_TRUE(backup.ends_with(".hex")) << backup;
    std::string sent = memory;
    sent.replace(layout::kProductCode, 7, "QZ071R\xFF");
    EXPECT_TRUE(test::ReadFile(backup) == sent) << "the backup is not what the radio sent";
    ASSERT_EQ(read.size(), 32768u);
    for (std::size_t a = 0; a < read.size(); ++a) {
        if (!layout::Contains(layout::kKeptOnRead, static_cast<layout::Address>(a))) {
            ASSERT_EQ(read[a], a >= 0x70 && a <= 0x76 ? read[a] : memory[a]) << a;
        }
    }
    EXPECT_EQ(read.substr(0x70, 6), "QZ071R");
    EXPECT_NE(read[0x0010], 0x42);
    EXPECT_NE(read[0x6000], 0x43);
    EXPECT_NE(test::ReadFile(folder.path() / "sim.log").find("PC> #CEPRD\\t7FC0\\t40\\t"), std::string::npos);
}

TEST(LinkEndToEnd, WriteProgramsTheRadioAndClearErases) {
    test::TempFolder folder;
    const auto link = folder.path() / "radio";
    const auto saved = folder.path() / "saved.hex";
    Simulator sim(link, {"--model", "3", "--save", saved.string()});
    ASSERT_TRUE(sim.ready());
    const auto settings = folder.path() / "a.dat";
    ASSERT_EQ(Cli(folder, "new --model 3 -o " + settings.string()).status, 0);
    std::string text = test::ReadFile(settings);
    text.replace(text.find("ChTag=#DISTRESS"), 15, "ChTag=#MAYDAY");
    folder.write("a.dat", text);

    // The real line's write without its read-back, which the fault matrix covers: make test stays quick.
    const auto write =
        Cli(folder, "write --model 3 --no-verify --port " + link.string() + " " + settings.string());
    ASSERT_EQ(write.status, 0) << write.err;
    const auto clear = Cli(folder, "clear --model 3 --port " + link.string() + " waypoint-directory");
    ASSERT_EQ(clear.status, 0) << clear.err;
    // What the clear erased was kept first, as the radio held it.
    const std::string said = "backup: ";
    ASSERT_TRUE(clear.err.starts_with(said)) << clear.err;
    const std::size_t lineEnd = clear.err.find('\n');
    const std::string backup = clear.err.substr(said.size(), lineEnd - said.size());
    EXPECT_TRUE(backup.ends_with("-before-waypoint-directory.hex")) << backup;
    EXPECT_EQ(clear.err.substr(lineEnd + 1), "Clear WayPoint Directory: Complete!!\n");
    ASSERT_EQ(sim.stop(), 0);

    const std::string memory = test::ReadFile(saved);
    ASSERT_EQ(memory.size(), 32768u);
    EXPECT_EQ(memory.substr(layout::kPlanTables[0].Name(32), 6), "MAYDAY");
    EXPECT_EQ(memory[0x5100], 0x00);
    EXPECT_EQ(static_cast<unsigned char>(memory[0x5164]), 0xFF);
    const auto factory = test::FactoryMemory<std::array<std::uint8_t, 32768>>(3);
    const std::string kept = test::ReadFile(backup);
    ASSERT_EQ(kept.size(), 32768u);
    for (Address a = layout::kWaypointDirectory.first; a <= layout::kWaypointDirectory.last; ++a) {
        ASSERT_EQ(static_cast<std::uint8_t>(kept[a]), factory[a]) << a;
    }
}

TEST(LinkEndToEnd, WriteRefusesAFileTheCheckFindsFaultIn) {
    test::TempFolder folder;
    const auto link = folder.path() / "radio";
    const auto log = folder.path() / "sim.log";
    Simulator sim(link, {"--model", "1", "--log", log.string()});
    ASSERT_TRUE(sim.ready());
    const auto settings = folder.path() / "a.dat";
    ASSERT_EQ(Cli(folder, "new --model 1 -o " + settings.string()).status, 0);
    std::string text = test::ReadFile(settings);
    const auto entry = text.find("[CHMMSID1]");
    text.replace(text.find("Enable=0", entry), 8, "Enable=1");
    text.replace(text.find("Mmsid=", entry), 6, "Mmsid=12345"); // five digits of nine
    folder.write("a.dat", text);
    const auto refused = Cli(folder, "write --model 1 --port " + link.string() + " " + settings.string());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("nothing was sent to the radio"), std::string::npos) << refused.err;
    EXPECT_EQ(test::ReadFile(log).find("PC>"), std::string::npos); // not one byte
}

TEST(LinkEndToEnd, ANonexistentPortSaysSo) {
    test::TempFolder folder;
    const auto result = Cli(folder, "read --model 1 --port " + (folder.path() / "none").string() + " -o " +
                                        (folder.path() / "r.hex").string());
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.starts_with("Port Inicialize Error!!: ")) << result.err;
}

// klt-cli doctor on the simulated radio's pseudo-terminal: usable, served by the simulator, and a radio
// answers the wake-up; once the simulator is gone, the port is missing and the exit status says so.
TEST(LinkEndToEnd, DoctorFindsTheSimulatedRadioAndThenItsAbsence) {
    test::TempFolder folder;
    const auto link = folder.path() / "radio";
    const auto report = folder.path() / "report.txt";
    {
        Simulator sim(link, {"--model", "1"});
        ASSERT_TRUE(sim.ready());
        const auto result = Cli(folder, "doctor --port " + link.string() + " --probe >" + report.string());
        EXPECT_EQ(result.status, 0) << result.err;
        const std::string said = test::ReadFile(report);
        EXPECT_NE(said.find("pseudo-terminal"), std::string::npos) << said;
        EXPECT_NE(said.find("served:  by klt-radio-sim"), std::string::npos) << said;
        EXPECT_NE(said.find("radio:   a radio answered the wake-up"), std::string::npos) << said;
        sim.stop();
    }
    const auto result = Cli(folder, "doctor --port " + link.string() + " >" + report.string());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(test::ReadFile(report).find("missing: no such device"), std::string::npos);
}

} // namespace
} // namespace klt
