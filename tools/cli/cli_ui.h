#pragma once
// The user interface of the command line: messages as "TITLE: TEXT" on stderr, questions answered
// with a fixed answer, progress on stderr only when it is a terminal.

#include "app/ui.h"

namespace klt::cli {

class CliUi final : public Ui {
public:
    void message(MessageIcon icon, const std::string &text, const std::string &title) override;
    Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                    Buttons buttons) override;
    void progress(int percent) override;
    void monitor(const std::string &line) override;
    void setBusyPointer(bool) override {}
    void processEvents() override {}
    void sleep(int milliseconds) override;
    void pause(int) override {}
};

} // namespace klt::cli
