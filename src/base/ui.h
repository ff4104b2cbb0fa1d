#pragma once
// What the core needs of the user interface. The window implements it with Qt, the command line with
// stderr and fixed answers, tests with a scripted fake. Implementations never throw.

#include <string>

namespace klt {

enum class MessageIcon { None, Error, Warning, Exclamation, Information, Question };
// YesNoDefaultNo: Yes and No with No as the default, for a question whose Yes is the risky answer.
enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

class Ui {
public:
    virtual ~Ui() = default;

    virtual void message(MessageIcon icon, const std::string &text, const std::string &title) = 0;
    virtual Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                            Buttons buttons) = 0;
    virtual void progress(int percent) = 0;
    virtual void monitor(const std::string &line) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    // A wait the radio's timing needs: always kept.
    virtual void sleep(int milliseconds) = 0;
    // A pause for the person watching a window; a script need not keep it.
    virtual void pause(int milliseconds) = 0;
    // What a transfer waits for, in words for the person watching ("Waiting for the radio (attempt 2
    // of 3)..."), so that a long wait never looks like a hang; empty when it waits for nothing.
    virtual void status(const std::string &) {}
};

} // namespace klt
