#pragma once
// The user interface of the window: message boxes, the busy pointer, and the pauses of its own
// commands, through which the window stays alive. Transfers report their progress to their dialog.

#include "base/ui.h"

class QWidget;

namespace klt {

class QtUi final : public Ui {
public:
    void setParent(QWidget *parent) { parent_ = parent; }

    void message(MessageIcon icon, const std::string &text, const std::string &title) override;
    Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                    Buttons buttons) override;
    void progress(int) override {}
    void monitor(const std::string &) override {}
    void setBusyPointer(bool busy) override;
    void sleep(int milliseconds) override;
    void pause(int milliseconds) override;

private:
    QWidget *boxParent() const;
    void wait(int milliseconds);

    QWidget *parent_ = nullptr;
    int busyDepth_ = 0;
};

} // namespace klt
