#pragma once
// The user interface of the window: message boxes, the busy pointer, event processing and waits that
// keep the window alive. A transfer dialog may take the progress and monitor lines while it runs.

#include "base/ui.h"

#include <functional>

class QWidget;

namespace klt {

class QtUi final : public Ui {
public:
    void setParent(QWidget *parent) { parent_ = parent; }
    void setProgressView(std::function<void(int)> progress,
                         std::function<void(const std::string &)> monitor) {
        progressView_ = std::move(progress);
        monitorView_ = std::move(monitor);
    }

    void message(MessageIcon icon, const std::string &text, const std::string &title) override;
    Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                    Buttons buttons) override;
    void progress(int percent) override;
    void monitor(const std::string &line) override;
    void setBusyPointer(bool busy) override;
    void processEvents() override;
    void sleep(int milliseconds) override;
    void pause(int milliseconds) override;

private:
    void wait(int milliseconds);

    QWidget *parent_ = nullptr;
    std::function<void(int)> progressView_;
    std::function<void(const std::string &)> monitorView_;
    int busyDepth_ = 0;
};

} // namespace klt
