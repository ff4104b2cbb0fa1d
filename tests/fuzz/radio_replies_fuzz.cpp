// The radio's side of a whole transfer as a stream of anything: the program's receive primitives,
// the handshake, the identity checks and the data-reply parser meet it without harm, end in a verdict,
// and close the port. The stream is cut into replies at NUL bytes, one reply to each thing the program
// sends; the first byte picks the operation and whether questions are answered yes.

#include "fuzz_support.h"
#include "link/transfer_flows.h"
#include "support/loopback_port.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace klt;
    if (size == 0) {
        return 0;
    }
    static constexpr Operation kOperations[] = {Operation::Read, Operation::Program, Operation::ClearMmsi,
                                                Operation::ClearWaypoint};
    const Operation operation = kOperations[data[0] % 4];
    std::vector<std::string> replies(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0) {
            replies.emplace_back();
        } else {
            replies.back().push_back(static_cast<char>(data[i]));
        }
    }

    const auto &program = fuzz::ResetProgram(Model::Tq300);
    test::FakeUi ui;
    if ((data[0] & 0x80) != 0) {
        ui.answers = {Answer::Retry, Answer::Ok, Answer::Retry, Answer::Ok};
    }
    test::FakeClock clock;
    ui.onWait = [&clock](int ms) { clock.advance(ms); };
    std::size_t next = 0;
    test::LoopbackPort port(clock, [&](std::span<const std::uint8_t>) {
        const std::string reply = next < replies.size() ? replies[next++] : std::string();
        return std::vector<std::uint8_t>(reply.begin(), reply.end());
    });
    CancelRequest cancel;
    RadioLink link(port, ui, clock, cancel, ErrorLog(), {});
    RadioImage image = program.ctx.Image;
    Configuration config = program.ctx.Config;
    const Outcome outcome = RunTransfer(link, operation, {image, config, Model::Tq300});
    if (port.isOpen()) {
        fuzz::Broken("the port stays open after a transfer");
    }
    if (outcome == Outcome::Done && ui.messages.empty()) {
        fuzz::Broken("a completed transfer said nothing");
    }
    return 0;
}
