#include "link/clear_operations.h"

#include "link/block_transfer.h"

#include <array>
#include <cmath>

namespace klt {

namespace {

using namespace layout;

constexpr int kBlockLength = 64;
constexpr int kSkipPauseMs = 10;

void Fill(RadioImage &image, Range range, std::uint8_t value) {
    for (Address a = range.first; a <= range.last; ++a) {
        image.set(a, value);
    }
}

// The area a single-area clear (codes 3 to 8) erases.
Range ErasedArea(int operation) {
    switch (operation) {
    case kOperationClearDscLog:
        return kDscLog;
    case kOperationClearDistressLog:
        return kDistressLog;
    case kOperationClearIndividual:
        return kIndividualDirectoryArea;
    case kOperationClearGroup:
        return kGroupDirectoryArea;
    case kOperationClearWaypoint:
        return kWaypointDirectory;
    default:
        return kDscTxLog;
    }
}

// The block starts that cover the erased area.
Range SentBlocks(int operation) {
    const Range area = ErasedArea(operation);
    return {area.first, area.last - kBlockLength + 1};
}

std::string MonitorText(int operation) {
    static constexpr std::array<const char *, 9> kTexts = {
        "radio clear...",          "radio clear DSC...",
        "radio clear Distress...", "radio clear individual...",
        "radio clear group...",    "radio clear waypoint...",
        "radio clear DSCTX...",    "radio clear All...",
        "radio clear ATIS..."};
    return kTexts[static_cast<std::size_t>(operation - kOperationClearMmsi)];
}

// Five bytes and their presence byte; every byte is attempted, and any failure fails the clear.
void SendByteArea(RadioLink &link, Range bytes, const std::string &source, const std::string &errorTitle) {
    GuardPortFaults(link, source, [&] {
        auto &ctx = link.ctx();
        if (!link.PortOpen()) {
            return;
        }
        ctx.ui.progress(0);
        WriteByteRun(link, ctx.Image, bytes.first, bytes.last);
        const bool failed = ctx.Link.LinkError;
        FinishTransfer(link, errorTitle);
        if (!failed && !ctx.Link.Cancel) {
            ctx.ui.progress(100);
        }
    });
}

// Walks every block position from start to the end of the memory, writing those that shouldSend
// picks and pausing at the others, so the progress moves over the whole memory.
template <typename Pick>
void SendBlocks(RadioLink &link, Address start, Pick shouldSend, bool stopOnSkipFlags) {
    auto &ctx = link.ctx();
    ctx.ui.progress(0);
    for (Address step = start; step <= kImageEnd; step += kBlockLength) {
        ctx.ui.processEvents();
        ctx.ui.progress(static_cast<int>(std::lround(100.0 * (step - start) / (kImageEnd - start))));
        if (shouldSend(step)) {
            WriteBlock(link, ctx.Image, step, kBlockLength);
            if (ctx.Link.LinkError || ctx.Link.Cancel) {
                break;
            }
        } else {
            ctx.ui.pause(kSkipPauseMs);
            if (ctx.Link.Cancel || (stopOnSkipFlags && ctx.Link.LinkError)) {
                break;
            }
        }
    }
    FinishTransfer(link, "Program to Radio");
}

void ClearDataAny(RadioLink &link, Range blocks) {
    GuardPortFaults(link, "frmRadio.ClearDataAny", [&] {
        if (link.PortOpen()) {
            SendBlocks(
                link, 0, [blocks](Address step) { return Contains(blocks, step); }, false);
        }
    });
}

void ClearAllData(RadioLink &link) {
    GuardPortFaults(link, "frmRadio.ClearDataAny", [&] {
        if (link.PortOpen()) {
            SendBlocks(
                link, kIndividualDirectoryArea.first,
                [](Address step) { return !Contains(kClearAllSkipped, step) && step <= kClearAllLastBlock; },
                true);
        }
    });
}

void Send(RadioLink &link, int operation) {
    switch (operation) {
    case kOperationClearMmsi:
        SendByteArea(link, kMmsiClearBytes, "frmRadio.ClearData", "Clear Data");
        break;
    case kOperationClearAtis:
        SendByteArea(link, kAtisClearBytes, "frmRadio.ClearDataATIS", "Clear Data ATIS");
        break;
    case kOperationClearAll:
        ClearAllData(link);
        break;
    default:
        ClearDataAny(link, SentBlocks(operation));
        break;
    }
}

} // namespace

std::string OperationCaption(int operation) {
    static constexpr std::array<const char *, 11> kCaptions = {
        "Read from Radio",       "Program to Radio",         "Clear MMSI Data",
        "Clear DSC Log Data",    "Clear Distress Log Data",  "Clear Individual Directory",
        "Clear Group Directory", "Clear WayPoint Directory", "Clear DSC TX Log Data",
        "Clear All Data",        "Clear ATIS Data"};
    return operation >= 0 && operation < static_cast<int>(kCaptions.size())
               ? kCaptions[static_cast<std::size_t>(operation)]
               : std::string();
}

void ApplyClearToImage(RadioImage &image, int operation) {
    switch (operation) {
    case kOperationClearMmsi:
    case kOperationClearAtis: {
        const Range bytes = operation == kOperationClearMmsi ? kMmsiClearBytes : kAtisClearBytes;
        Fill(image, {bytes.first, bytes.last - 1}, 0xFF);
        image.set(bytes.last, 0x00);
        break;
    }
    case kOperationClearDscLog:
    case kOperationClearDistressLog:
    case kOperationClearIndividual:
    case kOperationClearGroup:
    case kOperationClearWaypoint:
    case kOperationClearDscTxLog:
        Fill(image, ErasedArea(operation), 0xFF);
        if (operation == kOperationClearWaypoint) {
            Fill(image, kWaypointDirectoryZeroed, 0x00);
        }
        break;
    case kOperationClearAll:
        for (int part = kOperationClearDscLog; part <= kOperationClearDscTxLog; ++part) {
            ApplyClearToImage(image, part);
        }
        break;
    default:
        break;
    }
}

void RunClear(RadioLink &link, int operation) {
    auto &ctx = link.ctx();
    link.ShowMonitor(MonitorText(operation));
    const RadioImage before = ctx.Image;
    ApplyClearToImage(ctx.Image, operation);
    Send(link, operation);
    if (ctx.Link.LinkError || ctx.Link.Cancel) {
        ctx.Image = before;
        return;
    }
    ctx.Link.TransferDone = true;
    link.ShowMonitor("");
    ctx.ui.message(MessageIcon::Information, "Complete!!", link.caption());
    if (operation == kOperationClearMmsi) {
        ctx.Config.DscBasic.UserMmsi.clear();
    } else if (operation == kOperationClearAtis) {
        ctx.Config.Atis.AtisCode.clear();
    }
}

} // namespace klt
