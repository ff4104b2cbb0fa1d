// klt-cli fleet against several simulated radios on real pseudo-terminals: each radio ends with its own
// identity and the base; a hung, a lying and a missing radio stop no other; Ctrl+C stops them all; a
// bad plan touches none.

#include "line_harness.h"
#include "support/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace klt {
namespace {

using test::Simulator;

struct FleetBench {
    test::TempFolder folder;
    std::filesystem::path base = folder.path() / "base.dat";
    std::filesystem::path plan = folder.path() / "plan.csv";
    std::filesystem::path table = folder.path() / "table.txt";

    FleetBench() { EXPECT_EQ(test::RunCli("new --model 3 -o " + base.string()).status, 0); }

    std::string link(const std::string &name) const { return (folder.path() / name).string(); }

    void writePlan(const std::string &rows) const {
        folder.write("plan.csv", "Port,Name,UserMMSI\r\n" + rows);
    }

    test::CliResult fleet(const std::string &options = {}, const std::function<bool()> &trigger = {},
                          const std::function<void(pid_t)> &act = {}) const {
        return test::RunCli("fleet --model 3 --plan " + plan.string() + " " + options + " " + base.string() +
                                " >" + table.string(),
                            trigger, act);
    }

    // What a radio's saved memory holds otherwise than the base, in the settings' words.
    std::string differences(const std::filesystem::path &memory) const {
        const auto image = folder.path() / (memory.filename().string() + ".hex");
        std::filesystem::copy_file(memory, image, std::filesystem::copy_options::overwrite_existing);
        const auto out = folder.path() / "diff.txt";
        test::RunCli("diff --model 3 " + base.string() + " " + image.string() + " >" + out.string());
        return test::ReadFile(out);
    }
};

TEST(FleetEndToEnd, EveryRadioEndsWithItsOwnMmsiAndTheBase) {
    FleetBench bench;
    const auto memory = bench.folder.path() / "memory";
    auto sims = std::make_unique<Simulator>(
        bench.link("radio"),
        std::vector<std::string>{"--count", "3", "--model", "3", "--save", memory.string()});
    ASSERT_TRUE(sims->ready());
    bench.writePlan(bench.link("radio.1") + ",ALPHA,211000001\r\n" + bench.link("radio.2") +
                    ",BRAVO,211000002\r\n" + bench.link("radio.3") + ",CHARLIE,211000003\r\n");
    const auto result = bench.fleet();
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string table = test::ReadFile(bench.table);
    EXPECT_NE(table.find("ALPHA    " + bench.link("radio.1") + "  211000001  programmed and verified"),
              std::string::npos)
        << table;
    EXPECT_EQ(sims->stop(), 0);
    for (const int radio : {1, 2, 3}) {
        EXPECT_EQ(bench.differences(memory.string() + "." + std::to_string(radio)),
                  "[DSC Setup (Basic Setup)] User MMSI:  -> 21100000" + std::to_string(radio) + "\n");
    }
}

TEST(FleetEndToEnd, AHungALyingAndAMissingRadioStopNoOther) {
    FleetBench bench;
    Simulator good(bench.link("good"), {"--model", "3"});
    Simulator hung(bench.link("hung"), {"--model", "3", "--hang-after", "200"});
    // It acknowledges the first byte of its MMSI and keeps the old one.
    Simulator lying(bench.link("lying"), {"--model", "3", "--drop-writes-at", "1A0"});
    ASSERT_TRUE(good.ready() && hung.ready() && lying.ready());
    bench.writePlan(bench.link("good") + ",GOOD,211000001\r\n" + bench.link("hung") + ",HUNG,211000002\r\n" +
                    bench.link("lying") + ",LYING,211000003\r\n" + bench.link("none") +
                    ",MISSING,211000004\r\n");
    const auto result = bench.fleet();
    EXPECT_EQ(result.status, 1) << result.err;
    const std::string table = test::ReadFile(bench.table);
    for (const std::string row : {"GOOD .* programmed and verified", "HUNG .* failed: .*stopped answering",
                                  "LYING .* failed: Verify Error!!", "MISSING .* failed: .*does not exist"}) {
        EXPECT_THAT(table, testing::ContainsRegex(row)) << row;
    }
}

TEST(FleetEndToEnd, CtrlCCancelsEveryRadio) {
    FleetBench bench;
    auto sims = std::make_unique<Simulator>(
        bench.link("radio"), std::vector<std::string>{"--count", "2", "--model", "3", "--emulate-baud"});
    ASSERT_TRUE(sims->ready());
    bench.writePlan(bench.link("radio.1") + ",ALPHA,211000001\r\n" + bench.link("radio.2") +
                    ",BRAVO,211000002\r\n");
    const auto start = std::chrono::steady_clock::now();
    const auto result = bench.fleet(
        {}, [&start] { return std::chrono::steady_clock::now() - start > std::chrono::seconds(2); },
        [](pid_t cli) { ::kill(cli, SIGINT); });
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_LT(result.took, std::chrono::seconds(10));
    const std::string table = test::ReadFile(bench.table);
    EXPECT_THAT(table, testing::ContainsRegex("ALPHA .* cancelled")) << table;
    EXPECT_THAT(table, testing::ContainsRegex("BRAVO .* cancelled")) << table;
}

TEST(FleetEndToEnd, ABadPlanTouchesNoRadio) {
    FleetBench bench;
    const auto log = bench.folder.path() / "line.log";
    Simulator sim(bench.link("radio"), {"--model", "3", "--log", log.string()});
    ASSERT_TRUE(sim.ready());
    bench.writePlan(bench.link("radio") + ",ALPHA,211000001\r\n" + bench.link("other") +
                    ",BRAVO,211000001\r\n");
    auto result = bench.fleet();
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("line 3 (BRAVO): the MMSI 211000001 is ALPHA's already (line 2)"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("no radio was touched"), std::string::npos) << result.err;
    bench.writePlan(bench.link("radio") + ",ALPHA,21100000\r\n");
    result = bench.fleet("--dry-run");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("line 2: UserMMSI: 9 digits expected"), std::string::npos) << result.err;
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_EQ(test::ReadFile(log), "");
}

} // namespace
} // namespace klt
