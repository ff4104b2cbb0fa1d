// The simulated radio fed anything from the PC's side, in pieces of any size, under any fault plan:
// it answers without harm and keeps its memory's size.

#include "fuzz_support.h"
#include "simulated_radio.h"
#include "support/test_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace klt;
    if (size < 2) {
        return 0;
    }
    static const auto memory = test::FactoryMemory<sim::SimulatedRadio::Memory>(1);
    sim::FaultPlan plan;
    plan.noEcho = (data[0] & 1) != 0;
    plan.noAcmdReply = (data[0] & 2) != 0;
    plan.busyReplies = (data[0] >> 2) & 3;
    plan.errorReplies = (data[0] >> 4) & 3;
    if ((data[0] & 0x40) != 0) {
        plan.hangAfter = data[1];
    }
    if ((data[0] & 0x80) != 0) {
        plan.badChecksumAt = static_cast<unsigned>(data[1]) * 64;
    }
    sim::SimulatedRadio radio(memory, plan);
    // Pieces of 1 to 16 bytes, their lengths taken from the input itself.
    for (std::size_t i = 2; i < size;) {
        const std::size_t length = std::min<std::size_t>(1 + data[i] % 16, size - i);
        (void)radio.receive({data + i, length});
        i += length;
    }
    return 0;
}
