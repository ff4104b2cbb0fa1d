#pragma once
// The editor window as the widget tests drive it: a program folder with the shipped model files,
// scripted file dialogs and message boxes, and the simulated radio on an in-memory line.

#include "editor/main_window.h"
#include "qt/qt_settings_store.h"
#include "simulated_radio.h"
#include "support/loopback_port.h"
#include "support/test_program.h"

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace klt {

class ScriptedFiles final : public FileChooser {
public:
    std::deque<QString> answers;
    int asked = 0;
    QString openFile(QWidget *, const QString &, const QString &) override { return next(); }
    QString saveFile(QWidget *, const QString &, const QString &) override { return next(); }

private:
    QString next() {
        ++asked;
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

inline sim::SimulatedRadio::Memory RadioMemory(int model) {
    return test::FactoryMemory<sim::SimulatedRadio::Memory>(model);
}

inline const char *const kShippedGlobalIni = "[1model]\nuse=1\n[2model]\nuse=1\natis=1\n[3model]\nuse=1\n";

struct Gui {
    test::TempFolder folder;
    test::FakeUi ui;
    MemorySettingsStore store;
    AppContext ctx{ui, store, folder.path()};
    ScriptedFiles files;
    test::FakeClock clock;
    sim::SimulatedRadio radio{RadioMemory(1), {}};
    GuiServices services{
        files,
        clock,
        [this](const SettingsStore &) -> std::unique_ptr<SerialPort> {
            auto port = std::make_unique<test::LoopbackPort>(
                clock, [this](std::span<const std::uint8_t> bytes) { return radio.receive(bytes); });
            port->onTurn = [this] {
                if (radioCondition && radioCondition()) {
                    radioCondition = nullptr;
                    QMetaObject::invokeMethod(qApp, radioAction, Qt::BlockingQueuedConnection);
                }
            };
            return port;
        },
        {},
        [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString((folder.path() / "report.pdf").string()));
            return true;
        },
        [](int count) {
            std::vector<std::string> devices(static_cast<std::size_t>(count));
            if (count >= 3) {
                devices[2] = "/dev/ttyUSB0";
            }
            return devices;
        },
        [this](const std::string &chosen) {
            diagnosedFor = chosen;
            return std::string("/dev/ttyUSB0\n  verdict: usable\n");
        },
        [this](const std::string &device) {
            auto clock = std::make_unique<test::FakeClock>();
            sim::SimulatedRadio *radio = fleet.contains(device) ? fleet.at(device).get() : nullptr;
            auto port =
                std::make_unique<test::LoopbackPort>(*clock, [radio](std::span<const std::uint8_t> bytes) {
                    return radio != nullptr ? radio->receive(bytes) : std::vector<std::uint8_t>{};
                });
            if (radio == nullptr) {
                port->openFault = Fault{2, "There is no serial port " + device};
            }
            return FleetLine{std::move(port), std::move(clock)};
        },
        RunOnStandardThreads};
    // The radios of Transfer > Program Several Radios, by the device their row names.
    std::map<std::string, std::unique_ptr<sim::SimulatedRadio>> fleet;
    std::string diagnosedFor; // the device the port doctor was asked about first
    std::unique_ptr<MainWindow> window;
    // While a transfer runs on its worker: the first time the condition holds as the link takes a
    // byte or waits on the line, the action runs on the window's thread while the worker waits.
    std::function<bool()> radioCondition;
    std::function<void()> radioAction;
    void whenRadio(std::function<bool()> condition, std::function<void()> action) {
        radioCondition = std::move(condition);
        radioAction = std::move(action);
    }

    explicit Gui(const std::string &globalIni = kShippedGlobalIni, Switches switches = {}) {
        folder.write("global.ini", globalIni);
        for (const char *file : {"USA_012C.ini", "CAN_012C.ini", "USA_01C2.ini", "USA_01F4.ini"}) {
            std::filesystem::copy_file(std::filesystem::path(KLT_BUILD_BIN_DIR) / file, folder.path() / file);
        }
        ui.onWait = [this](int ms) { clock.advance(ms); };
        // Each test keeps its backups apart: tests running at once would otherwise share them.
        ::setenv("XDG_DATA_HOME", (folder.path() / "user-data").c_str(), 1);
        // Writes end without their read-back unless a test asks for it (Options > Verify after
        // Programming), so that a test's exchanges stay those it counts.
        store.put("Settings", "VerifyAfterProgramming", "0");
        start(switches);
    }
    void start(Switches switches = {}) {
        window = std::make_unique<MainWindow>(ctx, services, switches);
        if (window->started()) {
            window->show();
        }
    }
    template <typename T = QAction> T *find(const char *name) const { return window->findChild<T *>(name); }
    // The page in front, inside its scroll area.
    QWidget *shownPage() const {
        auto *area = qobject_cast<QScrollArea *>(find<QStackedWidget>("pages")->currentWidget());
        return area != nullptr ? area->widget() : nullptr;
    }
    QString page() const { return shownPage()->objectName(); }
    // Selects a node as a click on it does; false when the shown page refused to be left.
    bool select(const char *key) {
        find<QTreeWidget>("tvTreeView")->setCurrentItem(window->nodeByKey(key));
        return window->shownNodeKey() == key;
    }
    // Focus moves only in the active window.
    void activate() {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
    }
    QString hint() const { return find<QObject>("sbPanel1")->property("text").toString(); }
    std::vector<std::string> texts() const {
        std::vector<std::string> texts;
        for (const auto &message : ui.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }
    // Presses OK in the transfer dialog once it is up.
    void pressOkInDialog() {
        QTimer::singleShot(0, [] {
            if (auto *dialog = QApplication::activeModalWidget()) {
                dialog->findChild<QPushButton *>("cmdOK")->click();
            }
        });
    }
};

} // namespace klt
