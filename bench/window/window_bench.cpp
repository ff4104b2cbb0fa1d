// The editor window's own costs: how long it takes to appear, how much memory it holds, and whether
// it keeps answering during a full read from a radio on a line as slow as the real one.
//
// Built as the program is built (the same window, services and serial port); the radio is
// klt-radio-sim --emulate-baud, reached through KLT_COM1. Prints one "name value" line per figure.
// Usage: window_bench   (with KLT_COM1 set to the simulator's link; without it, only the start)

#include "app/startup.h"
#include "editor/main_window.h"
#include "main/desktop_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace {

// Seconds since this process was started, from the kernel's start time of the process.
double SinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) {
        fields >> field; // field 22: start time in clock ticks after boot
    }
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - started;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakResidentKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Catches the window's first paint.
class FirstPaint final : public QObject {
public:
    double seconds = -1.0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && seconds < 0.0) {
            seconds = SinceProcessStart();
        }
        return QObject::eventFilter(watched, event);
    }
};

// Tells when a message box shows.
class BoxWatch final : public QObject {
public:
    explicit BoxWatch(std::function<void()> shown) : shown_(std::move(shown)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched) != nullptr) {
            shown_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> shown_;
};

// The longest time between two turns of the event loop while a transfer runs, and the number of
// times the progress bar moved.
struct Responsiveness {
    bool reading = false; // from OK until the read's final box shows
    QElapsedTimer sinceTurn;
    QElapsedTimer sinceAnswered; // the final box answered: the window shows what was read
    QElapsedTimer sinceOk;
    qint64 firstProgressMs = -1; // the connection: the bar shows it is busy until then
    qint64 longestGapMs = 0;
    qint64 longestProgressGapMs = 0;
    int progressUpdates = 0;
    QElapsedTimer sinceProgress;
    QString finalMessage;
};

} // namespace

int main(int argc, char **argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication application(argc, argv);
    const double applicationReady = SinceProcessStart();
    klt::DesktopProgram program;
    klt::AppContext &ctx = program.ctx;
    klt::MainWindow window(ctx, program.desktop.services(), {});
    program.ui.setParent(&window); // message boxes over the window
    const double windowBuilt = SinceProcessStart();
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    while (paint.seconds < 0.0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::printf("start_to_first_paint_ms %.1f\n", paint.seconds * 1000.0);
    std::printf("  of which to_application_ms %.1f\n", applicationReady * 1000.0);
    std::printf("  of which window_built_ms %.1f\n", (windowBuilt - applicationReady) * 1000.0);
    std::printf("  of which show_to_paint_ms %.1f\n", (paint.seconds - windowBuilt) * 1000.0);
    std::printf("peak_resident_mib_after_start %.1f\n", static_cast<double>(PeakResidentKib()) / 1024.0);
    if (std::getenv("KLT_COM1") == nullptr) {
        return 0;
    }

    // A full read through the window: OK in the transfer dialog, the final box answered at once.
    Responsiveness seen;
    QTimer turns;
    turns.setInterval(1);
    QObject::connect(&turns, &QTimer::timeout, [&seen] {
        if (seen.reading) {
            seen.longestGapMs = std::max(seen.longestGapMs, seen.sinceTurn.restart());
        }
    });
    // The read ends where its final box shows: making a window is the desktop's cost, not the read's.
    BoxWatch boxWatch([&seen] { seen.reading = false; });
    application.installEventFilter(&boxWatch);
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen.finalMessage = box->text();
            seen.sinceAnswered.start();
            box->accept();
        } else if (modal != nullptr) {
            if (auto *ok = modal->findChild<QPushButton *>("cmdOK"); ok != nullptr && ok->isEnabled()) {
                // Clicked from the event loop, not from this slot: the transfer runs inside the click.
                QTimer::singleShot(0, ok, &QPushButton::click);
                seen.reading = true;
                seen.sinceTurn.start();
                seen.sinceProgress.start();
                turns.start();
                if (auto *bar = modal->findChild<QProgressBar *>("pictProgress")) {
                    seen.sinceOk.start();
                    QObject::connect(bar, &QProgressBar::valueChanged, [&seen](int value) {
                        if (value <= 0) {
                            return;
                        }
                        ++seen.progressUpdates;
                        if (seen.firstProgressMs < 0) {
                            seen.firstProgressMs = seen.sinceOk.elapsed();
                            seen.sinceProgress.restart();
                            return;
                        }
                        seen.longestProgressGapMs =
                            std::max(seen.longestProgressGapMs, seen.sinceProgress.restart());
                    });
                }
            }
        }
    });
    driver.start();
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    window.transferRead();
    turns.stop();
    const qint64 afterReadMs = seen.sinceAnswered.isValid() ? seen.sinceAnswered.elapsed() : -1;
    const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    std::printf("read_wall_s %.2f\n", seconds);
    std::printf("read_cpu_percent %.2f\n", 100.0 * (CpuSeconds() - cpuBefore) / seconds);
    std::printf("longest_event_loop_gap_ms %lld\n", static_cast<long long>(seen.longestGapMs));
    std::printf("after_read_ms %lld\n", static_cast<long long>(afterReadMs));
    std::printf("progress_updates %d\n", seen.progressUpdates);
    std::printf("connection_ms %lld\n", static_cast<long long>(seen.firstProgressMs));
    std::printf("longest_progress_gap_after_connection_ms %lld\n",
                static_cast<long long>(seen.longestProgressGapMs));
    std::printf("peak_resident_mib %.1f\n", static_cast<double>(PeakResidentKib()) / 1024.0);
    std::printf("read_message %s\n", seen.finalMessage.toStdString().c_str());
    return 0;
}
