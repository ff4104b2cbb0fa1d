#include "app/fleet_run.h"
#include "files/settings_diff.h"
#include "link_bench.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>

namespace klt {
namespace {

constexpr int kModel = 3;

// The fleet's radios in memory, each on its own line and clock, named by their ports.
struct Fleet {
    test::TestProgram program{kModel, true};
    std::map<std::string, std::unique_ptr<sim::SimulatedRadio>> radios;
    FleetJob job;
    std::mutex lock;
    std::vector<std::vector<FleetPhase>> seen; // each radio's phases, as reported

    Fleet() {
        job.model = Model::Tq500;
        job.modelName = "TQ-500";
        job.atis = true;
        job.base = program.ctx.Config;
        job.baseImage = program.ctx.Image;
        job.backupFolder = program.folder.path() / "backups";
    }

    void add(const std::string &port, const std::string &mmsi, sim::FaultPlan plan = {},
             sim::SimulatedRadio::Memory memory = test::RadioMemory(kModel)) {
        radios[port] = std::make_unique<sim::SimulatedRadio>(memory, plan);
        FleetRadio radio;
        radio.line = static_cast<int>(job.radios.size()) + 2;
        radio.port = port;
        radio.name = "BOAT " + port;
        radio.userMmsi = mmsi + "0";
        job.radios.push_back(radio);
    }

    std::vector<FleetRadioState> run(CancelRequest &cancel) {
        seen.assign(job.radios.size(), {});
        FleetServices services;
        services.openLine = [this](const std::string &port) {
            auto clock = std::make_unique<test::FakeClock>();
            sim::SimulatedRadio *radio = radios.contains(port) ? radios.at(port).get() : nullptr;
            auto line =
                std::make_unique<test::LoopbackPort>(*clock, [radio](std::span<const std::uint8_t> bytes) {
                    return radio != nullptr ? radio->receive(bytes) : std::vector<std::uint8_t>{};
                });
            if (radio == nullptr) {
                line->openFault = Fault{2, "There is no serial port " + port};
            }
            return FleetLine{std::move(line), std::move(clock)};
        };
        services.report = [this](std::size_t radio, const FleetRadioState &state) {
            const std::lock_guard guard(lock);
            if (seen[radio].empty() || seen[radio].back() != state.phase) {
                seen[radio].push_back(state.phase);
            }
        };
        return RunFleet(job, services, cancel);
    }

    Configuration held(const std::string &port) const {
        RadioImage image;
        const auto &memory = radios.at(port)->memory();
        std::copy(memory.begin(), memory.end(), image.bytes().begin());
        Configuration config = job.base;
        DecodeImage(image, config, job.model);
        return config;
    }
};

// A radio that already holds a user MMSI.
sim::SimulatedRadio::Memory MemoryWithMmsi(const std::string &stored) {
    auto memory = test::RadioMemory(kModel);
    RadioImage image;
    std::copy(memory.begin(), memory.end(), image.bytes().begin());
    Configuration config;
    DecodeImage(image, config, Model::Tq500);
    config.DscBasic.UserMmsi = stored;
    PrepareImageForWrite(image, config);
    std::copy(image.bytes().begin(), image.bytes().end(), memory.begin());
    return memory;
}

TEST(FleetRun, EveryRadioGetsItsOwnIdentityAndAFailureStopsNoOther) {
    Fleet fleet;
    fleet.add("good1", "211000001");
    fleet.add("hung", "211000002", {.hangAfter = 40});
    fleet.add("lying", "211000003", {.flipBitAt = 0x1300});
    fleet.add("missing", "211000004");
    fleet.radios.erase("missing");
    fleet.add("taken", "211000005", {}, MemoryWithMmsi("2119999990"));
    fleet.add("good2", "211000006");
    CancelRequest cancel;
    const auto states = fleet.run(cancel);
    ASSERT_EQ(states.size(), 6u);

    for (const std::size_t good : {0u, 5u}) {
        EXPECT_EQ(states[good].phase, FleetPhase::Done) << states[good].reason;
        EXPECT_EQ(states[good].percent, 100);
        ASSERT_TRUE(states[good].backup);
        EXPECT_TRUE(std::filesystem::exists(*states[good].backup));
        EXPECT_EQ(fleet.seen[good], (std::vector{FleetPhase::Reading, FleetPhase::Programming,
                                                 FleetPhase::Verifying, FleetPhase::Done}));
    }
    EXPECT_EQ(fleet.held("good1").DscBasic.UserMmsi, "2110000010");
    EXPECT_EQ(fleet.held("good2").DscBasic.UserMmsi, "2110000060");
    // Apart from its identity each holds the base configuration, as a single write gives it.
    RadioImage written = fleet.job.baseImage;
    PrepareImageForWrite(written, fleet.job.base);
    Configuration base = fleet.job.base;
    DecodeImage(written, base, Model::Tq500);
    Configuration second = fleet.held("good2");
    second.DscBasic.UserMmsi = base.DscBasic.UserMmsi;
    EXPECT_EQ(SettingsDifferences(base, second, Model::Tq500, "TQ-500", true), std::vector<std::string>{});

    EXPECT_EQ(states[1].phase, FleetPhase::Failed);
    EXPECT_NE(states[1].reason.find("stopped answering"), std::string::npos) << states[1].reason;
    EXPECT_EQ(states[2].phase, FleetPhase::Failed);
    EXPECT_NE(states[2].reason.find("Verify Error!!"), std::string::npos) << states[2].reason;
    EXPECT_EQ(states[3].phase, FleetPhase::Failed);
    EXPECT_NE(states[3].reason.find("There is no serial port missing"), std::string::npos)
        << states[3].reason;
    EXPECT_FALSE(states[3].backup);
    // A radio that holds another MMSI is left as it was, its backup kept.
    EXPECT_EQ(states[4].phase, FleetPhase::Skipped);
    EXPECT_NE(states[4].reason.find("211999999"), std::string::npos) << states[4].reason;
    EXPECT_EQ(fleet.held("taken").DscBasic.UserMmsi, "2119999990");
    EXPECT_TRUE(states[4].backup);
}

TEST(FleetRun, ForceProgramsARadioThatHoldsAnotherMmsiAndInventoryChangesNone) {
    Fleet fleet;
    fleet.add("taken", "211000005", {}, MemoryWithMmsi("2119999990"));
    fleet.job.force = true;
    CancelRequest cancel;
    EXPECT_EQ(fleet.run(cancel)[0].phase, FleetPhase::Done);
    EXPECT_EQ(fleet.held("taken").DscBasic.UserMmsi, "2110000050");

    Fleet inventory;
    inventory.add("a", "211000001", {}, MemoryWithMmsi("2119999990"));
    inventory.add("b", "211000002");
    inventory.job.inventory = true;
    const auto before = inventory.radios.at("b")->memory();
    const auto states = inventory.run(cancel);
    for (const auto &state : states) {
        EXPECT_EQ(state.phase, FleetPhase::Done) << state.reason;
        ASSERT_TRUE(state.backup);
    }
    EXPECT_NE(*states[0].backup, *states[1].backup); // kept in the same second, neither replaces the other
    EXPECT_EQ(inventory.held("a").DscBasic.UserMmsi, "2119999990");
    EXPECT_EQ(inventory.radios.at("b")->memory(), before);
}

TEST(FleetRun, OneCancelStopsEveryRadio) {
    Fleet fleet;
    fleet.add("a", "211000001");
    fleet.add("b", "211000002");
    CancelRequest cancel;
    cancel.requested = true;
    const auto before = fleet.radios.at("a")->memory();
    for (const auto &state : fleet.run(cancel)) {
        EXPECT_EQ(state.phase, FleetPhase::Cancelled);
        EXPECT_FALSE(state.backup);
    }
    EXPECT_EQ(fleet.radios.at("a")->memory(), before);
}

} // namespace
} // namespace klt
