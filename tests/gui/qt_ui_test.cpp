// The window's own dialogs: the waits the radio needs are always kept, the pauses for a person
// watching only while someone can see the window; message boxes show their titles; save dialogs add
// the extension.

#include "editor/file_chooser.h"
#include "editor/qt_ui.h"
#include "support/test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(QtUi, PausesOnlyForAWindowSomeoneSees) {
    QtUi ui;
    QWidget window;
    ui.setParent(&window);
    QElapsedTimer timer;
    timer.start();
    ui.pause(5000); // the window is not shown yet: no pause
    EXPECT_LT(timer.elapsed(), 1000);

    timer.restart();
    ui.sleep(30); // the radio's timing: always kept
    EXPECT_GE(timer.elapsed(), 30);

    window.show();
    timer.restart();
    ui.pause(30);
    EXPECT_GE(timer.elapsed(), 30);
}

// A short text with a long title: the box is wide enough for the title beside the frame's buttons.
TEST(QtUi, MessageBoxesLeaveRoomForTheirTitle) {
    QtUi ui;
    int width = 0;
    QTimer::singleShot(0, [&width] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            width = box->width();
            box->accept();
        }
    });
    const std::string title = "Clear Individual Directory";
    ui.message(MessageIcon::Information, "Complete!!", title);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(width, QFontMetrics(bold).horizontalAdvance(QString::fromStdString(title)) + 100);
}

// "saved1" typed in a save dialog becomes "saved1.dat", which the Open dialog's filter then shows.
TEST(FileChooser, ANameWithoutExtensionGetsTheFiltersOne) {
    test::TempFolder folder;
    const auto typeAndAccept = [](const QString &name) {
        QTimer::singleShot(0, [name] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    };
    QtFileChooser files;
    const QString where = QString::fromStdString(folder.path().string());
    typeAndAccept("saved1");
    EXPECT_EQ(files.saveFile(nullptr, "dat files(*.dat)|*.dat|All files(*.*)|*.*", where),
              where + "/saved1.dat");
    typeAndAccept("report.txt");
    EXPECT_EQ(files.saveFile(nullptr, "Text files(*.txt)|*.txt|All files(*.*)|*.*", where),
              where + "/report.txt");
}

} // namespace
} // namespace klt
