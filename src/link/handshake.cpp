#include "link/handshake.h"

#include "link/frame.h"
#include "link/line_messages.h"

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

// What the dialog says while an answer is awaited.
std::string WaitingText(int attempt, int attempts) {
    return "Waiting for the radio (attempt " + std::to_string(attempt) + " of " + std::to_string(attempts) +
           ")...";
}

// The radio's echo is welcome but not required; only the user's Cancel ends the wake-up early.
Outcome WakeUp(RadioLink &link) {
    for (int attempt = 0; attempt < kWakeUpAttempts; ++attempt) {
        link.SendByte('P');
        switch (link.WaitForByte('P', 1)) {
        case LinkResult::Ok:
            link.SendByte('0');
            return Outcome::Done;
        case LinkResult::Cancelled:
            return Outcome::Cancelled;
        default:
            break;
        }
    }
    link.ShowMonitor("sync failed!!");
    return Outcome::Done;
}

// The speed command: Failed (told here) when the radio refuses it.
Outcome SendSpeedCommand(RadioLink &link) {
    link.ShowMonitor("sending 'ACMD:002'...");
    link.SendShortCommand("ACMD:002");
    std::string answer;
    switch (link.ReadLine(1, answer)) {
    case LinkResult::Ok:
        if (answer == "OK") {
            return Outcome::Done;
        }
        LinkMessage(link, answer == "ERROR" ? "ACMD Command error!!" : "error!!");
        return Outcome::Failed;
    case LinkResult::TimedOut:
        return Outcome::Done;
    case LinkResult::BadLineEnd:
        LinkMessage(link, "error!!");
        return Outcome::Done;
    case LinkResult::Cancelled:
        return Outcome::Cancelled;
    default:
        return Outcome::Failed;
    }
}

// A receive that did not succeed, as a step's outcome.
Outcome NotReceived(LinkResult result) {
    switch (result) {
    case LinkResult::Cancelled:
        return Outcome::Cancelled;
    case LinkResult::TimedOut:
        return Outcome::NoAnswer;
    default:
        return Outcome::Failed;
    }
}

// The status reply; Retry when the radio is busy and the user asks again.
enum class Status { Ready, NotReady, Retry };

struct StatusReply {
    Status status;
    Outcome outcome; // of a reply that did not come whole
};

StatusReply ReadStatusReply(RadioLink &link) {
    const StatusReply notReady{Status::NotReady, Outcome::Failed};
    std::string header;
    if (const LinkResult result = link.ReadChars(6, kAckSeconds, header); result != LinkResult::Ok) {
        if (result == LinkResult::TimedOut) {
            LinkMessage(link, "time out!!");
        }
        return {Status::NotReady, NotReceived(result)};
    }
    if (header != "#CEPSD") {
        link.SendLine("#CMDUN");
        return notReady;
    }
    std::string rest;
    if (const LinkResult result = link.ReadToLineEnd(kAckSeconds, rest); result != LinkResult::Ok) {
        if (result != LinkResult::Cancelled) {
            LinkMessage(link, "time out!!");
        }
        return {Status::NotReady, NotReceived(result)};
    }
    if (!VerifyLineChecksum(header + rest)) {
        link.SendLine("#CMDSM");
        return notReady;
    }
    link.SendLine("#CMDOK");
    const auto fields = SplitTabs(rest);
    const std::string status = fields.size() > 1 ? fields[1] : std::string();
    if (status == "00") {
        return {Status::Ready, Outcome::Done};
    }
    if (status == "01" && link.ui().question(MessageIcon::Warning, "Radio is busy!!", link.caption(),
                                             Buttons::RetryCancel) == Answer::Retry) {
        return {Status::Retry, Outcome::Failed};
    }
    return notReady;
}

} // namespace

LinkResult AwaitAck(RadioLink &link) {
    std::string text;
    const LinkResult result = link.ReadChars(6, kAckSeconds, text);
    if (result == LinkResult::RadioError &&
        link.WaitForByte(0x0A, kLineEndSeconds) == LinkResult::Cancelled) {
        // "ERROR" comes as a line: its line end must not be taken for the start of the next answer.
        return LinkResult::Cancelled;
    }
    if (result != LinkResult::Ok) {
        return result;
    }
    if (text != "#CMDOK" || link.WaitForByte(0x0D, kLineEndSeconds) != LinkResult::Ok ||
        link.WaitForByte(0x0A, kLineEndSeconds) != LinkResult::Ok) {
        return link.Cancelled() ? LinkResult::Cancelled : LinkResult::BadLineEnd;
    }
    return LinkResult::Ok;
}

Outcome StartConnection(RadioLink &link) {
    if (!link.PortInit()) {
        return Outcome::Failed;
    }
    if (const Outcome woken = WakeUp(link); woken != Outcome::Done) {
        return woken;
    }
    if (const Outcome speed = SendSpeedCommand(link); speed != Outcome::Done) {
        return speed;
    }
    if (!link.PortInitCP()) {
        LinkMessage(link, "port inicialize error!!");
        return Outcome::Failed;
    }
    link.ui().sleep(kSpeedSwitchPauseMs);
    if (link.Cancelled()) {
        return Outcome::Cancelled;
    }
    const Outcome synced = SyncLink(link);
    if (IsFailure(synced)) {
        LinkMessage(link, NoConnectionText(link.PortText(), synced));
    }
    return synced;
}

Outcome SyncLink(RadioLink &link) {
    for (int pass = 1; pass <= kSyncPasses; ++pass) {
        Outcome acknowledged = Outcome::NoAnswer;
        const int tries = link.settings().retryCount;
        for (int attempts = tries; attempts > 0 && acknowledged != Outcome::Done;) {
            link.ShowMonitor("sending '#CMDSY'...(" + std::to_string(pass) + ")");
            link.ui().status(WaitingText(tries - attempts + 1, tries));
            link.SendLine("#CMDSY");
            const LinkResult result = AwaitAck(link);
            if (result == LinkResult::Ok) {
                acknowledged = Outcome::Done;
            } else if (result == LinkResult::TimedOut || result == LinkResult::RadioError) {
                // A radio that says ERROR is there: the user is not told to look for it.
                acknowledged = result == LinkResult::RadioError ? Outcome::Failed : acknowledged;
                --attempts;
            } else {
                acknowledged = NotReceived(result);
                break;
            }
        }
        if (acknowledged != Outcome::Done) {
            link.ShowMonitor("can'not Receive '#CMDOK' !!");
            link.ui().status("");
            return acknowledged;
        }
    }
    link.ui().status("");
    return Outcome::Done;
}

Outcome SendAcknowledged(RadioLink &link, const std::vector<std::uint8_t> &frame,
                         const std::function<void()> &beforeAttempt) {
    const int tries = link.settings().retryCount;
    for (int attempts = tries;;) {
        if (link.Cancelled()) {
            return Outcome::Cancelled;
        }
        if (beforeAttempt) {
            beforeAttempt();
        }
        // A first attempt is quick when the radio is there; a retry follows a wait, and says so.
        const bool retry = attempts < tries;
        if (retry) {
            link.ui().status(WaitingText(tries - attempts + 1, tries));
        }
        link.SendBytes(frame);
        const LinkResult result = AwaitAck(link);
        if (retry) {
            link.ui().status("");
        }
        switch (result) {
        case LinkResult::Ok:
            return Outcome::Done;
        case LinkResult::TimedOut:
            if (--attempts <= 0) {
                return Outcome::NoAnswer;
            }
            break;
        case LinkResult::RadioError:
            if (--attempts > 0) {
                break;
            }
            if (link.ui().question(MessageIcon::Question, "confirm the synchronization of the communication",
                                   link.caption(), Buttons::OkCancel) != Answer::Ok) {
                return Outcome::Failed;
            }
            if (const Outcome synced = SyncLink(link); synced != Outcome::Done) {
                return synced;
            }
            attempts = 1;
            break;
        default:
            return NotReceived(result);
        }
    }
}

Outcome CheckRadioStatus(RadioLink &link) {
    StatusReply reply{Status::Retry, Outcome::Failed};
    while (reply.status == Status::Retry) {
        link.ShowMonitor("status check..");
        link.ui().status("Asking the radio whether it is ready...");
        const Outcome request = SendAcknowledged(link, BuildFrame("#CEPSR", "00"));
        reply = request == Outcome::Done ? ReadStatusReply(link) : StatusReply{Status::NotReady, request};
    }
    link.ui().status("");
    const bool ready = reply.status == Status::Ready;
    link.ShowMonitor(ready ? "status check.. OK" : "status check.. NG!!");
    return ready ? Outcome::Done : reply.outcome;
}

void AbortTransfer(RadioLink &link) {
    link.FlushInput();
    link.ui().sleep(10);
    link.SendAbort(0x18);
    // The user's Cancel brought us here: the wait for the radio's answer must not end on it. A second
    // Cancel during the wait ends it.
    link.cancel().requested = false;
    link.WaitForByte(0x06, 10);
    link.cancel().requested = true;
}

} // namespace klt
