#include "link/clear_operations.h"

#include "link/block_transfer.h"

#include <cmath>

namespace klt {

namespace {

using namespace layout;

constexpr int kSkipPauseMs = 10;

void Fill(RadioImage &image, Range range, std::uint8_t value) {
    for (Address a = range.first; a <= range.last; ++a) {
        image.set(a, value);
    }
}

// The area a single-area clear erases.
Range ErasedArea(Operation operation) {
    switch (operation) {
    case Operation::ClearDscLog:
        return kDscLog;
    case Operation::ClearDistressLog:
        return kDistressLog;
    case Operation::ClearIndividual:
        return kIndividualDirectoryArea;
    case Operation::ClearGroup:
        return kGroupDirectoryArea;
    case Operation::ClearWaypoint:
        return kWaypointDirectory;
    default:
        return kDscTxLog;
    }
}

// The block starts that cover the erased area.
Range SentBlocks(Operation operation) {
    const Range area = ErasedArea(operation);
    return {area.first, area.last - kBlockLength + 1};
}

std::string MonitorText(Operation operation) {
    switch (operation) {
    case Operation::ClearMmsi:
        return "radio clear...";
    case Operation::ClearDscLog:
        return "radio clear DSC...";
    case Operation::ClearDistressLog:
        return "radio clear Distress...";
    case Operation::ClearIndividual:
        return "radio clear individual...";
    case Operation::ClearGroup:
        return "radio clear group...";
    case Operation::ClearWaypoint:
        return "radio clear waypoint...";
    case Operation::ClearDscTxLog:
        return "radio clear DSCTX...";
    case Operation::ClearAll:
        return "radio clear All...";
    case Operation::ClearAtis:
        return "radio clear ATIS...";
    default:
        return {};
    }
}

// Five bytes and their presence byte; every byte is attempted, and any failure fails the clear.
Outcome SendByteArea(RadioLink &link, const RadioImage &image, Range bytes, const std::string &source,
                     const std::string &errorTitle) {
    const std::size_t before = link.Sends();
    const Outcome outcome = GuardPortFaults(link, source, [&] {
        if (!link.PortOpen()) {
            return Outcome::Failed;
        }
        link.ui().progress(0);
        return WriteByteRun(link, image, bytes);
    });
    FinishTransfer(link, outcome, errorTitle,
                   link.Sends() > before ? RadioChange::Cleared : RadioChange::None);
    if (outcome == Outcome::Done) {
        link.ui().progress(100);
    }
    return outcome;
}

// Walks every block position from start to the end of the memory, writing those that shouldSend
// picks and pausing at the others, so the progress moves over the whole memory.
template <typename Pick>
Outcome SendBlocks(RadioLink &link, const RadioImage &image, Address start, Pick shouldSend) {
    link.ui().progress(0);
    for (Address step = start; step <= kImageEnd; step += kBlockLength) {
        link.ui().progress(static_cast<int>(std::lround(100.0 * (step - start) / (kImageEnd - start))));
        if (shouldSend(step)) {
            if (const Outcome outcome = WriteBlock(link, image, step, kBlockLength);
                outcome != Outcome::Done) {
                return outcome;
            }
        } else {
            link.ui().pause(kSkipPauseMs);
            if (link.Cancelled()) {
                return Outcome::Cancelled;
            }
        }
    }
    return Outcome::Done;
}

Outcome SendBlockArea(RadioLink &link, const RadioImage &image, Address start,
                      const std::function<bool(Address)> &shouldSend) {
    const std::size_t before = link.Sends();
    const Outcome outcome = GuardPortFaults(link, "frmRadio.ClearDataAny", [&] {
        return link.PortOpen() ? SendBlocks(link, image, start, shouldSend) : Outcome::Failed;
    });
    FinishTransfer(link, outcome, link.caption(),
                   link.Sends() > before ? RadioChange::Cleared : RadioChange::None);
    return outcome;
}

Outcome Send(RadioLink &link, const RadioImage &image, Operation operation) {
    switch (operation) {
    case Operation::ClearMmsi:
        return SendByteArea(link, image, kMmsiClearBytes, "frmRadio.ClearData", "Clear Data");
    case Operation::ClearAtis:
        return SendByteArea(link, image, kAtisClearBytes, "frmRadio.ClearDataATIS", "Clear Data ATIS");
    case Operation::ClearAll:
        return SendBlockArea(link, image, kIndividualDirectoryArea.first, [](Address step) {
            return !Contains(kClearAllSkipped, step) && step <= kClearAllLastBlock;
        });
    default: {
        const Range blocks = SentBlocks(operation);
        return SendBlockArea(link, image, 0, [blocks](Address step) { return Contains(blocks, step); });
    }
    }
}

} // namespace

void ApplyClearToImage(RadioImage &image, Operation operation) {
    switch (operation) {
    case Operation::ClearMmsi:
    case Operation::ClearAtis: {
        const Range bytes = operation == Operation::ClearMmsi ? kMmsiClearBytes : kAtisClearBytes;
        Fill(image, {bytes.first, bytes.last - 1}, 0xFF);
        image.set(bytes.last, 0x00);
        break;
    }
    case Operation::ClearDscLog:
    case Operation::ClearDistressLog:
    case Operation::ClearIndividual:
    case Operation::ClearGroup:
    case Operation::ClearWaypoint:
    case Operation::ClearDscTxLog:
        Fill(image, ErasedArea(operation), 0xFF);
        if (operation == Operation::ClearWaypoint) {
            Fill(image, kWaypointDirectoryZeroed, 0x00);
        }
        break;
    case Operation::ClearAll:
        for (const Operation part :
             {Operation::ClearDscLog, Operation::ClearDistressLog, Operation::ClearIndividual,
              Operation::ClearGroup, Operation::ClearWaypoint, Operation::ClearDscTxLog}) {
            ApplyClearToImage(image, part);
        }
        break;
    case Operation::Read:
    case Operation::Program:
        break;
    }
}

std::vector<Range> ClearedRanges(Operation operation) {
    switch (operation) {
    case Operation::ClearMmsi:
        return {kMmsiClearBytes};
    case Operation::ClearAtis:
        return {kAtisClearBytes};
    case Operation::Read:
    case Operation::Program:
        return {};
    default:
        break;
    }
    std::vector<Range> blocks;
    const Range sent = operation == Operation::ClearAll
                           ? Range{kIndividualDirectoryArea.first, kClearAllLastBlock}
                           : SentBlocks(operation);
    for (Address step = sent.first; step <= sent.last; step += kBlockLength) {
        if (operation != Operation::ClearAll || !Contains(kClearAllSkipped, step)) {
            blocks.push_back({step, step + kBlockLength - 1});
        }
    }
    return blocks;
}

Outcome RestoreCleared(RadioLink &link, Operation operation, const RadioImage &image) {
    link.ShowMonitor("radio restore...");
    return Send(link, image, operation);
}

Outcome RunClear(RadioLink &link, Operation operation, RadioImage &image) {
    link.ShowMonitor(MonitorText(operation));
    const RadioImage before = image;
    ApplyClearToImage(image, operation);
    const Outcome outcome = Send(link, image, operation);
    if (outcome != Outcome::Done) {
        image = before;
    }
    return outcome;
}

} // namespace klt
