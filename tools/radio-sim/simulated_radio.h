#pragma once
// The radio's side of the serial protocol, for demos, tests and benchmarks: a 32768-byte memory that
// answers the wake-up, the speed command, synchronisation, status, block reads and writes and the
// abort, with a plan of faults to inject. It parses and builds frames with its own code, so the
// program and the simulator cannot agree on the same mistake.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace klt::sim {

struct FaultPlan {
    bool noEcho = false;                     // ignore the wake-up "P"
    bool noAcmdReply = false;                // never answer "ACMD:002"
    int busyReplies = 0;                     // answer status "01" to the first N status requests
    int errorReplies = 0;                    // answer the next N framed commands with "ERROR"
    std::optional<unsigned> badChecksumAt{}; // a wrong checksum in every data reply for this address
    std::optional<int> hangAfter{};          // stop answering after N framed commands
    std::vector<unsigned> dropWritesAt{};    // a write of these addresses is acknowledged, not stored
    std::optional<unsigned> flipBitAt{};     // a byte written here is stored with its lowest bit flipped
    double corruptRate = 0.0;                // each byte the radio sends is replaced by a random one
    unsigned seed = 1;                       // ... drawn from this seed, so a run can be repeated
};

class SimulatedRadio {
public:
    static constexpr std::size_t kMemorySize = 0x8000;
    using Memory = std::array<std::uint8_t, kMemorySize>;
    // Each message on the line: who sent it and its bytes (a line with its CR LF, or a single byte).
    using Listener = std::function<void(bool fromPc, std::span<const std::uint8_t> bytes)>;

    SimulatedRadio(const Memory &memory, const FaultPlan &plan, bool slowLink = false);

    // Bytes from the PC in; the radio's answer out.
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes);

    const Memory &memory() const { return memory_; }
    // Whether the radio has stopped answering (the fault plan's hang).
    bool hung() const { return hung_; }
    int lineSpeed() const { return speed_; }
    int framedCommands() const { return framed_; }
    // Every line the PC sent, without CR LF.
    const std::vector<std::string> &linesFromPc() const { return lines_; }
    void setListener(Listener listener) { listener_ = std::move(listener); }

private:
    void handleLine(const std::string &line, std::vector<std::uint8_t> &out);
    void handleFramed(const std::string &line, std::vector<std::uint8_t> &out);
    void reply(std::vector<std::uint8_t> &out, const std::string &text);
    void notify(bool fromPc, std::span<const std::uint8_t> bytes);

    Memory memory_;
    FaultPlan plan_;
    bool slowLink_;
    int speed_ = 19200;
    int framed_ = 0;
    int statusRequests_ = 0;
    bool hung_ = false;
    std::string pending_;
    std::mt19937 noise_;
    std::vector<std::string> lines_;
    Listener listener_;
};

// A text frame as the radio sends it: fields joined by TAB, a TAB, the XOR of everything before it
// as two upper-case hex digits, CR LF.
std::string RadioFrame(const std::vector<std::string> &fields);

} // namespace klt::sim
