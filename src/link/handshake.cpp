#include "link/handshake.h"

#include "link/frame.h"

namespace klt {

namespace {

constexpr int kAckSeconds = 10;
constexpr int kLineEndSeconds = 1;
constexpr int kWakeUpAttempts = 3;
constexpr int kSpeedSwitchPauseMs = 1000;
constexpr int kSyncPasses = 2;

void LinkMessage(RadioLink &link, const std::string &text) {
    link.ui().message(MessageIcon::Error, text, link.caption());
}

void WakeUp(RadioLink &link) {
    for (int attempt = 0; attempt < kWakeUpAttempts; ++attempt) {
        link.SendByte('P');
        if (link.WaitForByte('P', 1) == LinkResult::Ok) {
            link.SendByte('0');
            return;
        }
    }
    link.ShowMonitor("sync failed!!");
}

// The speed command; false when the connection must not go on.
bool SendSpeedCommand(RadioLink &link) {
    link.ShowMonitor("sending 'ACMD:002'...");
    link.SendShortCommand("ACMD:002");
    std::string answer;
    switch (link.ReadLine(1, answer)) {
    case LinkResult::Ok:
        if (answer == "OK") {
            return true;
        }
        LinkMessage(link, answer == "ERROR" ? "ACMD Command error!!" : "error!!");
        return false;
    case LinkResult::TimedOut:
        return true;
    case LinkResult::BadLineEnd:
        LinkMessage(link, "error!!");
        return true;
    default:
        return false;
    }
}

enum class Status { Ready, NotReady, AskAgain };

Status ReadStatusReply(RadioLink &link) {
    std::string header;
    switch (link.ReadChars(6, kAckSeconds, header)) {
    case LinkResult::Ok:
        break;
    case LinkResult::Cancelled:
        LinkMessage(link, "cancel!!");
        return Status::NotReady;
    case LinkResult::TimedOut:
        LinkMessage(link, "time out!!");
        return Status::NotReady;
    default:
        return Status::NotReady;
    }
    if (header != "#CEPSD") {
        link.SendLine("#CMDUN");
        return Status::NotReady;
    }
    std::string rest;
    switch (link.ReadToLineEnd(kAckSeconds, rest)) {
    case LinkResult::Ok:
        break;
    case LinkResult::Cancelled:
        LinkMessage(link, "cancel!!");
        return Status::NotReady;
    default:
        LinkMessage(link, "time out!!");
        return Status::NotReady;
    }
    if (!VerifyLineChecksum(header + rest)) {
        link.SendLine("#CMDSM");
        return Status::NotReady;
    }
    link.SendLine("#CMDOK");
    const auto fields = SplitTabs(rest);
    const std::string status = fields.size() > 1 ? fields[1] : std::string();
    if (status == "00") {
        return Status::Ready;
    }
    if (status == "01" && link.ui().question(MessageIcon::Warning, "Radio is busy!!", link.caption(),
                                             Buttons::RetryCancel) == Answer::Retry) {
        return Status::AskAgain;
    }
    return Status::NotReady;
}

} // namespace

LinkResult AwaitAck(RadioLink &link) {
    std::string text;
    const LinkResult result = link.ReadChars(6, kAckSeconds, text);
    if (result == LinkResult::RadioError) {
        // "ERROR" comes as a line: its line end must not be taken for the start of the next answer.
        link.WaitForByte(0x0A, kLineEndSeconds);
    }
    if (result != LinkResult::Ok) {
        return result;
    }
    if (text != "#CMDOK" || link.WaitForByte(0x0D, kLineEndSeconds) != LinkResult::Ok ||
        link.WaitForByte(0x0A, kLineEndSeconds) != LinkResult::Ok) {
        return LinkResult::BadLineEnd;
    }
    return LinkResult::Ok;
}

bool StartConnection(RadioLink &link) {
    link.flags().Cancel = false;
    if (!link.PortInit()) {
        return false;
    }
    WakeUp(link);
    if (!SendSpeedCommand(link)) {
        return false;
    }
    if (!link.PortInitCP()) {
        LinkMessage(link, "port inicialize error!!");
        return false;
    }
    link.ui().sleep(kSpeedSwitchPauseMs);
    return SyncLink(link);
}

bool SyncLink(RadioLink &link) {
    int successes = 0;
    for (int pass = 1; pass <= kSyncPasses; ++pass) {
        for (int attempts = link.settings().retryCount; attempts > 0;) {
            link.ShowMonitor("sending '#CMDSY'...(" + std::to_string(pass) + ")");
            link.SendLine("#CMDSY");
            const LinkResult result = AwaitAck(link);
            if (result == LinkResult::Ok) {
                ++successes;
                break;
            }
            if (result != LinkResult::TimedOut && result != LinkResult::RadioError) {
                pass = kSyncPasses; // stop both passes
                break;
            }
            --attempts;
        }
    }
    if (successes == kSyncPasses) {
        return true;
    }
    link.ShowMonitor("can'not Receive '#CMDOK' !!");
    return false;
}

bool SendAcknowledged(RadioLink &link, const std::vector<std::uint8_t> &frame,
                      const std::function<void()> &beforeAttempt) {
    for (int attempts = link.settings().retryCount;;) {
        if (beforeAttempt) {
            beforeAttempt();
        }
        link.SendBytes(frame);
        switch (AwaitAck(link)) {
        case LinkResult::Ok:
            return true;
        case LinkResult::TimedOut:
            if (--attempts <= 0) {
                return false;
            }
            break;
        case LinkResult::RadioError:
            if (--attempts > 0) {
                break;
            }
            if (link.ui().question(MessageIcon::Question, "confirm the synchronization of the communication",
                                   link.caption(), Buttons::OkCancel) != Answer::Ok ||
                !SyncLink(link)) {
                return false;
            }
            attempts = 1;
            break;
        default:
            return false;
        }
    }
}

bool CheckRadioStatus(RadioLink &link) {
    Status status = Status::AskAgain;
    while (status == Status::AskAgain) {
        link.ShowMonitor("status check..");
        status =
            SendAcknowledged(link, BuildFrame("#CEPSR", "00")) ? ReadStatusReply(link) : Status::NotReady;
    }
    const bool ready = status == Status::Ready;
    link.ShowMonitor(ready ? "status check.. OK" : "status check.. NG!!");
    return ready;
}

void AbortTransfer(RadioLink &link) {
    link.FlushInput();
    link.ui().sleep(10);
    link.SendByte(0x18);
    // The user's Cancel brought us here: the wait for the radio's answer must not end on it.
    link.flags().Cancel = false;
    link.WaitForByte(0x06, 10);
    link.flags().Cancel = true;
}

} // namespace klt
