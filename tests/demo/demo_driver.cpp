// Stands in for the editor in `make demo`: the same window on the same serial port, driven as a user
// would. It reads the demo radio through the transfer dialog, checks what the demo put there,
// changes a station's name, and programs the radio. Exit status 0 when all of it worked.

#include "editor/main_window.h"
#include "main/desktop_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Presses OK in the transfer dialog and answers the closing box, noting its text.
class DialogDriver {
public:
    DialogDriver() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start();
    }
    QString takeMessage() { return std::exchange(message_, QString()); }

private:
    void step() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            message_ = box->text();
            box->accept();
        } else if (modal != nullptr) {
            if (auto *ok = modal->findChild<QPushButton *>("cmdOK"); ok != nullptr && ok->isEnabled()) {
                // From the event loop, not from this slot: the transfer runs inside the click.
                QTimer::singleShot(0, ok, &QPushButton::click);
            }
        }
    }
    QTimer timer_;
    QString message_;
};

bool Expect(bool condition, const char *what) {
    std::printf("%s %s\n", condition ? "ok  " : "FAIL", what);
    return condition;
}

} // namespace

int main(int argc, char **argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication application(argc, argv);
    klt::DesktopProgram program;
    klt::AppContext &ctx = program.ctx;
    DialogDriver driver; // answers any box from the start on
    klt::MainWindow window(ctx, program.desktop.services(), {});
    program.ui.setParent(&window); // message boxes over the window
    if (!Expect(window.started() && driver.takeMessage().isEmpty(), "the window starts without a box")) {
        return 1;
    }
    window.show();

    bool passed =
        Expect(ctx.Config.Individual[0].TagName.empty(), "the editor starts without the demo's stations");
    window.transferRead();
    passed &= Expect(driver.takeMessage() == "Complete!!", "Read from Radio: Complete!!");
    passed &= Expect(ctx.Config.Individual[0].TagName == "SEA BREEZE", "the demo's first station");
    passed &= Expect(ctx.Config.GroupDirectory[0].TagName == "CLUB FLEET", "the demo's first group");
    passed &= Expect(ctx.Config.DscBasic.UserMmsi.starts_with("366987654"), "the demo's user MMSI");

    ctx.Config.Individual[1].TagName = "DEMO EDIT";
    window.setModified(true);
    window.transferProgram();
    // A write proves itself (Options > Verify after Programming is on for a new user).
    passed &=
        Expect(driver.takeMessage() == "Complete!!\nVerified: the radio holds every byte that was written.",
               "Program to Radio: Complete!! and verified");
    window.setModified(false);
    return passed ? 0 : 1;
}
