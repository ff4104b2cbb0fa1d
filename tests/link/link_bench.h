#pragma once
// The program's link wired to the simulated radio in memory, with a scripted user interface and a
// fake clock: a whole transfer runs in milliseconds.

#include "link/radio_link.h"
#include "link/transfer_flows.h"
#include "model/image_mapping.h"
#include "simulated_radio.h"
#include "support/loopback_port.h"
#include "support/test_program.h"

#include <optional>

namespace klt::test {

// The lines that follow "Communication Error!!": why, what to check, what the radio may now hold.
inline const std::string kStoppedAnswering =
    "\r\nThe radio on COM1 stopped answering. Check the cable, the radio's power, and that it still shows PC "
    "CONTROL.";
inline const std::string kRefused =
    "\r\nThe radio on COM1 did not take an exchange. Check the cable and its connections.";
inline const std::string kPartlyProgrammed =
    "\r\nThe radio may now hold a partial configuration: program it again before using it.";
inline const std::string kPartlyCleared = "\r\nThe radio's memory may be partly cleared.";

inline sim::SimulatedRadio::Memory RadioMemory(int model) {
    return FactoryMemory<sim::SimulatedRadio::Memory>(model);
}

struct LinkBench : TestProgram {
    FakeClock clock;
    sim::SimulatedRadio radio;
    // A line the PC sends may be answered here instead of by the radio.
    std::function<std::optional<std::string>(const std::string &sent)> intercept;
    LoopbackPort port{clock, [this](std::span<const std::uint8_t> bytes) { return Answer(bytes); }};
    // Logs whatever the link logs, debug mode or not, so that a test sees it.
    RadioLink link{port, ui, clock, ctx.Cancel, ErrorLog(true, folder.path(), ctx.ProgramTitle), {}};

    explicit LinkBench(int model = 1, sim::FaultPlan plan = {})
        : LinkBench(model, RadioMemory(model), plan) {}
    LinkBench(int model, const sim::SimulatedRadio::Memory &memory, sim::FaultPlan plan)
        : TestProgram(model), radio(memory, plan) {
        ui.onWait = [this](int ms) { clock.advance(ms); };
        link.setCaption("Read from Radio");
    }

    std::vector<std::uint8_t> Answer(std::span<const std::uint8_t> bytes) {
        if (intercept) {
            if (const auto answer = intercept(std::string(bytes.begin(), bytes.end()))) {
                return {answer->begin(), answer->end()};
            }
        }
        return radio.receive(bytes);
    }

    // The operation on this program's configuration, as the transfer dialog runs it.
    Outcome Run(Operation operation) {
        ctx.Cancel.requested = false;
        return RunTransfer(link, operation, {ctx.Image, ctx.Config, ctx.CurrentModel});
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto &message : ui.messages) {
            texts.push_back(message.title + ": " + message.text);
        }
        return texts;
    }
};

} // namespace klt::test
