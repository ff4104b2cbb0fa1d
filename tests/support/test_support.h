#pragma once
// Helpers shared by the test suites: a scripted user interface and a temporary folder.

#include "base/ui.h"
#include "model/model_catalogue.h"
#include "support/test_support.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace klt {

// Tests name models by their numbers.
inline Model ModelNo(int number) {
    return *ModelFromNumber(number);
}

} // namespace klt

namespace klt::test {

// Records every message and wait; answers questions from a script (Cancel when it runs out).
class FakeUi final : public Ui {
public:
    struct Message {
        MessageIcon icon;
        std::string text;
        std::string title;
        Buttons buttons = Buttons::Ok;
    };
    std::vector<Message> messages;
    std::vector<Answer> answers;
    std::vector<int> sleeps;
    std::vector<int> pauses;

    void message(MessageIcon icon, const std::string &text, const std::string &title) override {
        messages.push_back({icon, text, title});
    }
    Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                    Buttons buttons) override {
        messages.push_back({icon, text, title, buttons});
        if (answers.empty()) {
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void progress(int percent) override { progressValues.push_back(percent); }
    void monitor(const std::string &line) override { monitorLines.push_back(line); }
    void status(const std::string &text) override { statusTexts.push_back(text); }
    void setBusyPointer(bool) override {}
    std::vector<int> progressValues;
    std::vector<std::string> monitorLines;
    std::vector<std::string> statusTexts;
    std::function<void(int)> onWait; // sleeps and pauses, to move a fake clock

    void sleep(int ms) override {
        sleeps.push_back(ms);
        if (onWait) {
            onWait(ms);
        }
    }
    void pause(int ms) override {
        pauses.push_back(ms);
        if (onWait) {
            onWait(ms);
        }
    }
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path write(const std::string &name, const std::string &bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path &path);

// Sets an environment variable, or removes it (nothing), on any system.
void SetEnvironment(const std::string &name, const std::optional<std::string> &value);

#ifndef _WIN32
// Runs f in a child process as the user and group given (the administrator's tests of what another
// user may do) and gives its exit status; -1 when it did not end normally, 100 when the switch failed.
int AsUser(unsigned uid, unsigned gid, const std::function<int()> &f);

// The process's file-size limit at `bytes`, with SIGXFSZ ignored, for one scope: a write past it fails as
// on a disk that has filled up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long long saved_ = 0;
    void (*handler_)(int) = nullptr;
};
#endif

// The C library's locale set to a decimal-comma one (as a German desktop sets it) for one scope. ok()
// is false when the system lacks it: scripts/install-deps generates it.
class DecimalCommaLocale {
public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale &) = delete;
    DecimalCommaLocale &operator=(const DecimalCommaLocale &) = delete;
    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};

} // namespace klt::test
