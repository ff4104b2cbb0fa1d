#include "link/block_transfer.h"

#include "link/frame.h"
#include "link/handshake.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace klt {

namespace {

constexpr int kReplySeconds = 10;
constexpr int kStepPauseMs = 50;
constexpr int kDonePauseMs = 500;

void LinkMessage(RadioLink &link, const std::string &text, const std::string &title) {
    link.ui().message(MessageIcon::Error, text, title);
}

void Progress(RadioLink &link, double fraction) {
    link.ui().progress(static_cast<int>(std::lround(fraction * 100.0)));
}

unsigned HexValue(std::string_view text, bool &ok) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    ok = !text.empty() && error == std::errc{} && end == text.data() + text.size();
    return value;
}

// The "#CEPDT" reply to a read request, into the buffer.
Outcome ReceiveDataReply(RadioLink &link, std::span<std::uint8_t> buffer, Address address, int length) {
    std::string header;
    switch (link.ReadChars(6, kReplySeconds, header)) {
    case LinkResult::Ok:
        break;
    case LinkResult::Cancelled:
        // The user asked to stop and sees the dialog stopping: no box stands between the Cancel and
        // the abort the radio is owed.
        return Outcome::Cancelled;
    case LinkResult::TimedOut:
        LinkMessage(link, "time out!!", link.caption());
        return Outcome::NoAnswer;
    default:
        return Outcome::Failed;
    }
    if (header != "#CEPDT") {
        link.SendLine("#CMDER");
        return Outcome::Failed;
    }
    std::string rest;
    if (const auto result = link.ReadToLineEnd(kReplySeconds, rest); result != LinkResult::Ok) {
        if (result == LinkResult::TimedOut) {
            LinkMessage(link, "time out!!", link.caption());
            return Outcome::NoAnswer;
        }
        return result == LinkResult::Cancelled ? Outcome::Cancelled : Outcome::Failed;
    }
    if (!VerifyLineChecksum(header + rest)) {
        link.SendLine("#CMDSM");
        return Outcome::Failed;
    }
    const auto pieces = SplitTabs(rest);
    bool ok = pieces.size() >= 4;
    const unsigned repliedAddress = ok ? HexValue(pieces[1], ok) : 0;
    if (!ok || repliedAddress != address) {
        LinkMessage(link, "address error!!", link.caption());
        return Outcome::Failed;
    }
    const unsigned repliedLength = HexValue(pieces[2], ok);
    const std::string &data = pieces[3];
    if (!ok || repliedLength != static_cast<unsigned>(length) ||
        data.size() != 2u * static_cast<unsigned>(length)) {
        LinkMessage(link, "data error!!", link.caption());
        return Outcome::Failed;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(HexValue(std::string_view(data).substr(2 * i, 2), ok));
        if (!ok) {
            LinkMessage(link, "data error!!", link.caption());
            return Outcome::Failed;
        }
    }
    std::copy(bytes.begin(), bytes.end(), buffer.begin() + address);
    link.SendLine("#CMDOK");
    return Outcome::Done;
}

std::string DataText(const RadioImage &image, Address address, int length) {
    std::string data;
    for (int i = 0; i < length; ++i) {
        data += Hex2(image.at(address + static_cast<Address>(i)));
    }
    return data;
}

} // namespace

Outcome ReadBlock(RadioLink &link, std::span<std::uint8_t> buffer, Address address, int length) {
    link.FlushInput();
    const Outcome request =
        SendAcknowledged(link, BuildFrame("#CEPRD", Hex4(address), Hex2(static_cast<unsigned>(length))));
    return request == Outcome::Done ? ReceiveDataReply(link, buffer, address, length) : request;
}

Outcome WriteBlock(RadioLink &link, const RadioImage &image, Address address, int length) {
    const auto frame = BuildFrame("#CEPWR", Hex4(address), Hex2(static_cast<unsigned>(length)),
                                  DataText(image, address, length));
    return SendAcknowledged(link, frame, [&link] { link.FlushInput(); });
}

Outcome WriteByteRun(RadioLink &link, const RadioImage &image, layout::Range bytes) {
    Outcome run = Outcome::Done;
    for (Address a = bytes.first; a <= bytes.last; ++a) {
        const Outcome byte = WriteBlock(link, image, a, 1);
        if (byte == Outcome::Cancelled || byte == Outcome::NoAnswer) {
            return byte;
        }
        run = byte == Outcome::Failed ? Outcome::Failed : run;
    }
    return run;
}

Outcome ReadData(RadioLink &link, std::span<std::uint8_t> buffer) {
    if (!link.PortOpen()) {
        return Outcome::Failed;
    }
    Progress(link, 0);
    for (Address address = 0; address < buffer.size(); address += kBlockLength) {
        Progress(link, address / 32767.0);
        const Outcome block = ReadBlock(link, buffer, address, kBlockLength);
        if (block == Outcome::Cancelled) {
            AbortTransfer(link);
        }
        if (block != Outcome::Done) {
            return block;
        }
    }
    return Outcome::Done;
}

Outcome WriteData(RadioLink &link, const RadioImage &image) {
    using namespace layout;
    if (!link.PortOpen()) {
        return Outcome::Failed;
    }
    Progress(link, 0);
    for (Address step = 0; step <= kWriteEnd; step += kBlockLength) {
        Progress(link, static_cast<double>(step) / kWriteEnd);
        Outcome outcome = Outcome::Done;
        const auto run = std::ranges::find(kWriteByteRuns, step, &ByteRunStep::step);
        if (run != kWriteByteRuns.end()) {
            outcome = WriteByteRun(link, image, run->bytes);
        } else if (Contains(kWritePausedSteps, step)) {
            link.ui().pause(kStepPauseMs);
            outcome = link.Cancelled() ? Outcome::Cancelled : Outcome::Done;
        } else {
            outcome = WriteBlock(link, image, step, kBlockLength);
        }
        if (outcome != Outcome::Done) {
            return outcome;
        }
    }
    return Outcome::Done;
}

void FinishTransfer(RadioLink &link, Outcome outcome, const std::string &errorTitle, RadioChange change) {
    link.ClosePort();
    if (IsFailure(outcome)) {
        LinkMessage(link, CommunicationErrorText(link.PortText(), outcome, change), errorTitle);
    } else if (outcome == Outcome::Done) {
        link.ui().pause(kDonePauseMs);
    } else if (change != RadioChange::None) {
        link.ui().message(MessageIcon::Warning, InterruptedChangeText(outcome, change), errorTitle);
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

Outcome GuardPortFaults(RadioLink &link, const std::string &source,
                        const std::function<Outcome()> &procedure) {
    try {
        return procedure();
    } catch (const PortFault &error) {
        link.log().append(source, error.fault);
        // The user sees what failed in words, titled with the operation; the number and the internal
        // name of the step go to the error log only.
        link.ui().message(MessageIcon::Error, error.fault.description,
                          link.caption().empty() ? std::string("Serial port") : link.caption());
        try {
            link.ClosePort();
        } catch (const PortFault &) {
            // The port is gone already.
        }
        return Outcome::PortFailed;
    }
}

} // namespace klt
