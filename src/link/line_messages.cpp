#include "link/line_messages.h"

namespace klt {

namespace {

std::string ChangeNote(RadioChange change) {
    switch (change) {
    case RadioChange::Programmed:
        return "\r\nThe radio may now hold a partial configuration: program it again before using it.";
    case RadioChange::Cleared:
        return "\r\nThe radio's memory may be partly cleared.";
    case RadioChange::None:
        break;
    }
    return {};
}

} // namespace

std::string PortText(int portNumber, const std::string &device) {
    const std::string number = "COM" + std::to_string(portNumber);
    return device.empty() ? number : number + " (" + device + ")";
}

std::string NoConnectionText(const std::string &port, Outcome outcome) {
    if (outcome == Outcome::NoAnswer) {
        return "No answer from the radio on " + port +
               ".\r\nCheck that the cable is connected, that the radio is switched on and shows PC CONTROL, "
               "and that the cable is on this port.";
    }
    return "The radio on " + port +
           " does not answer as expected.\r\nCheck the cable and its connections, and that the radio shows "
           "PC CONTROL.";
}

std::string CommunicationErrorText(const std::string &port, Outcome outcome, RadioChange change) {
    const std::string why =
        outcome == Outcome::NoAnswer
            ? "The radio on " + port +
                  " stopped answering. Check the cable, the radio's power, and that it still shows PC "
                  "CONTROL."
            : "The radio on " + port + " did not take an exchange. Check the cable and its connections.";
    return "Communication Error!!\r\n" + why + ChangeNote(change);
}

std::string VerifyErrorText(const std::vector<std::string> &differences) {
    constexpr std::size_t kListed = 12;
    std::string text = "Verify Error!!\r\nThe radio acknowledged the write but does not hold all of it "
                       "(setting: written -> held):";
    for (std::size_t i = 0; i < differences.size() && i < kListed; ++i) {
        text += "\r\n" + differences[i];
    }
    if (differences.size() > kListed) {
        text += "\r\n... and " + std::to_string(differences.size() - kListed) + " more";
    }
    return text + ChangeNote(RadioChange::Programmed);
}

std::string InterruptedChangeText(Outcome outcome, RadioChange change) {
    const std::string note = ChangeNote(change);
    if (outcome != Outcome::Cancelled) {
        return note.substr(2); // after its line break
    }
    return (change == RadioChange::Cleared ? "Clearing was cancelled." : "Programming was cancelled.") + note;
}

} // namespace klt
