#include "cli_ui.h"

#include <chrono>
#include <iostream>
#include <thread>
#include <unistd.h>

namespace klt::cli {

namespace {

// Message texts use CR LF or CR between lines; a terminal wants LF.
std::string ForTerminal(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

} // namespace

void CliUi::message(MessageIcon, const std::string &text, const std::string &title) {
    std::cerr << ForTerminal(title) << ": " << ForTerminal(text) << '\n';
}

Answer CliUi::question(MessageIcon icon, const std::string &text, const std::string &title, Buttons) {
    message(icon, text, title);
    return Answer::Cancel;
}

void CliUi::progress(int percent) {
    if (::isatty(STDERR_FILENO)) {
        std::cerr << '\r' << percent << "% " << std::flush;
    }
}

void CliUi::monitor(const std::string &) {}

void CliUi::sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace klt::cli
