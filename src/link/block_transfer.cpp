#include "link/block_transfer.h"

#include "app/error_log.h"
#include "link/frame.h"
#include "link/handshake.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace klt {

namespace {

constexpr int kReplySeconds = 10;
constexpr int kBlockLength = 64;
constexpr int kStepPauseMs = 50;
constexpr int kDonePauseMs = 500;

void LinkMessage(RadioLink &link, const std::string &text, const std::string &title) {
    link.ctx().ui.message(MessageIcon::Error, text, title);
}

void Progress(RadioLink &link, double fraction) {
    link.ctx().ui.progress(static_cast<int>(std::lround(fraction * 100.0)));
}

unsigned HexValue(std::string_view text, bool &ok) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    ok = !text.empty() && error == std::errc{} && end == text.data() + text.size();
    return value;
}

// The "#CEPDT" reply to a read request, into the buffer.
void ReceiveDataReply(RadioLink &link, std::span<std::uint8_t> buffer, Address address, int length) {
    auto &flags = link.ctx().Link;
    flags.LinkError = true;
    flags.Cancel = false;
    std::string header;
    switch (link.ReadChars(6, kReplySeconds, header)) {
    case LinkResult::Ok:
        break;
    case LinkResult::Cancelled:
        LinkMessage(link, "cancel!!", link.caption());
        return;
    case LinkResult::TimedOut:
        LinkMessage(link, "time out!!", link.caption());
        return;
    default:
        return;
    }
    if (header != "#CEPDT") {
        link.SendLine("#CMDER");
        return;
    }
    std::string rest;
    if (const auto result = link.ReadToLineEnd(kReplySeconds, rest); result != LinkResult::Ok) {
        if (result == LinkResult::TimedOut) {
            LinkMessage(link, "time out!!", link.caption());
        }
        return;
    }
    if (!VerifyLineChecksum(header + rest)) {
        link.SendLine("#CMDSM");
        return;
    }
    const auto pieces = SplitTabs(rest);
    bool ok = pieces.size() >= 4;
    const unsigned repliedAddress = ok ? HexValue(pieces[1], ok) : 0;
    if (!ok || repliedAddress != address) {
        LinkMessage(link, "address error!!", link.caption());
        return;
    }
    const unsigned repliedLength = HexValue(pieces[2], ok);
    const std::string &data = pieces[3];
    if (!ok || repliedLength != static_cast<unsigned>(length) ||
        data.size() != 2u * static_cast<unsigned>(length)) {
        LinkMessage(link, "data error!!", link.caption());
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(HexValue(std::string_view(data).substr(2 * i, 2), ok));
        if (!ok) {
            LinkMessage(link, "data error!!", link.caption());
            return;
        }
    }
    std::copy(bytes.begin(), bytes.end(), buffer.begin() + address);
    flags.LinkError = false;
    link.SendLine("#CMDOK");
}

std::string DataText(const RadioImage &image, Address address, int length) {
    std::string data;
    for (int i = 0; i < length; ++i) {
        data += Hex2(image.at(address + static_cast<Address>(i)));
    }
    return data;
}

} // namespace

void ReadBlock(RadioLink &link, std::span<std::uint8_t> buffer, Address address, int length) {
    auto &flags = link.ctx().Link;
    link.FlushInput();
    const bool acknowledged = SendAcknowledged(
        link, BuildFrame("#CEPRD", Hex4(address), Hex2(static_cast<unsigned>(length))), [&flags] {
            flags.LinkError = true;
            flags.Cancel = false;
        });
    if (acknowledged) {
        ReceiveDataReply(link, buffer, address, length);
    }
}

void WriteBlock(RadioLink &link, const RadioImage &image, Address address, int length) {
    auto &flags = link.ctx().Link;
    const auto frame = BuildFrame("#CEPWR", Hex4(address), Hex2(static_cast<unsigned>(length)),
                                  DataText(image, address, length));
    SendAcknowledged(link, frame, [&link, &flags] {
        link.FlushInput();
        flags.LinkError = true;
        flags.Cancel = false;
    });
}

void WriteByteRun(RadioLink &link, const RadioImage &image, Address first, Address last) {
    auto &flags = link.ctx().Link;
    bool failed = false;
    for (Address a = first; a <= last && !flags.Cancel; ++a) {
        WriteBlock(link, image, a, 1);
        failed = failed || flags.LinkError;
    }
    flags.LinkError = failed || flags.LinkError;
}

void ReadData(RadioLink &link, std::span<std::uint8_t> buffer) {
    auto &flags = link.ctx().Link;
    if (!link.PortOpen()) {
        return;
    }
    Progress(link, 0);
    for (Address address = 0; address < buffer.size(); address += kBlockLength) {
        Progress(link, address / 32767.0);
        ReadBlock(link, buffer, address, kBlockLength);
        if (flags.Cancel) {
            AbortTransfer(link);
            break;
        }
        if (flags.LinkError) {
            break;
        }
    }
    FinishTransfer(link, "Read from Radio");
}

void WriteData(RadioLink &link) {
    using namespace layout;
    auto &ctx = link.ctx();
    if (!link.PortOpen()) {
        return;
    }
    Progress(link, 0);
    for (Address step = 0; step <= kWriteEnd; step += kBlockLength) {
        Progress(link, static_cast<double>(step) / kWriteEnd);
        const auto run = std::ranges::find(kWriteByteRuns, step, &ByteRunStep::step);
        if (run != kWriteByteRuns.end()) {
            WriteByteRun(link, ctx.Image, run->bytes.first, run->bytes.last);
        } else if (Contains(kWritePausedSteps, step)) {
            ctx.ui.pause(kStepPauseMs);
        } else {
            WriteBlock(link, ctx.Image, step, kBlockLength);
        }
        if (ctx.Link.LinkError || ctx.Link.Cancel) {
            break;
        }
    }
    FinishTransfer(link, "Program to Radio");
}

void FinishTransfer(RadioLink &link, const std::string &errorTitle) {
    auto &ctx = link.ctx();
    link.ClosePort();
    if (ctx.Link.Cancel) {
        return;
    }
    if (ctx.Link.LinkError) {
        LinkMessage(link, "Communication Error!!", errorTitle);
    } else {
        ctx.ui.pause(kDonePauseMs);
    }
}

void MergeReadImage(RadioImage &image, std::span<const std::uint8_t> buffer) {
    using namespace layout;
    for (Address a = 0; a < RadioImage::kSize; ++a) {
        if (!Contains(kKeptOnRead, a)) {
            image.set(a, buffer[a]);
        }
    }
}

void GuardPortFaults(RadioLink &link, const std::string &source, const std::function<void()> &procedure) {
    try {
        procedure();
    } catch (const PortFault &error) {
        auto &ctx = link.ctx();
        LogError(ctx, source, error.fault);
        ctx.ui.message(MessageIcon::Error,
                       " " + std::to_string(error.fault.number) + "\r\r" + error.fault.description, source);
        ctx.Link.Cancel = true;
        try {
            link.ClosePort();
        } catch (const PortFault &) {
            // The port is gone already.
        }
    }
}

} // namespace klt
