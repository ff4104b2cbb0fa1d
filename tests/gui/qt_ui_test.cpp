// The window's user interface: the waits the radio needs are always kept; the pauses for a person
// watching are not, while nobody can see the window.

#include "editor/qt_ui.h"

#include <QElapsedTimer>
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

} // namespace
} // namespace klt
