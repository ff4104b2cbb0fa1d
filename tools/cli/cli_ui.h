#pragma once
// The user interface of the command line: messages as "TITLE: TEXT" on stderr; questions answered
// Cancel, or with --yes OK/Retry/Yes at most three times per question; progress on stderr only when it
// is a terminal; the monitor line on stderr in debug mode.

#include "base/ui.h"

#include <map>

namespace klt::cli {

class CliUi final : public Ui {
public:
    void setAnswerYes(bool yes) { answerYes_ = yes; }

    void message(MessageIcon icon, const std::string &text, const std::string &title) override;
    Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                    Buttons buttons) override;
    void progress(int percent) override;
    void monitor(const std::string &line) override;
    void setBusyPointer(bool) override {}
    void sleep(int milliseconds) override;
    void pause(int) override {}

private:
    static constexpr int kMaxYes = 3;
    bool answerYes_ = false;
    std::map<std::string, int> yesGiven_;
    int lastProgress_ = -1;
};

} // namespace klt::cli
