#include "cli_ui.h"

#include "terminal_text.h"

#include <chrono>
#include <iostream>
#include <thread>

namespace klt::cli {

namespace {

Answer Affirmative(Buttons buttons) {
    switch (buttons) {
    case Buttons::RetryCancel:
    case Buttons::AbortRetryIgnore:
        return Answer::Retry;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    case Buttons::YesNoDefaultNo:
        return Answer::No; // --yes never takes the risky answer
    default:
        return Answer::Ok;
    }
}

} // namespace

void CliUi::message(MessageIcon, const std::string &text, const std::string &title) {
    if (lastProgress_ >= 0) {
        std::cerr << '\n';
        lastProgress_ = -1;
    }
    std::cerr << ForTerminal(title) << ": " << ForTerminal(text) << '\n';
}

Answer CliUi::question(MessageIcon icon, const std::string &text, const std::string &title, Buttons buttons) {
    message(icon, text, title);
    if (answerYes_ && yesGiven_[text] < kMaxYes) {
        ++yesGiven_[text];
        return Affirmative(buttons);
    }
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void CliUi::progress(int percent) {
    if (percent != lastProgress_ && StandardErrorIsTerminal()) {
        std::cerr << '\r' << percent << "% " << std::flush;
        lastProgress_ = percent;
    }
}

void CliUi::monitor(const std::string &line) {
    std::cerr << "monitor: " << Printable(line) << '\n';
}

void CliUi::sleep(int milliseconds) {
    // The whole time is kept; a Ctrl+C during it is taken at once by the interrupt watch.
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace klt::cli
