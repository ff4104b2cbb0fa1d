#include "editor/window_placement.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>

#include <algorithm>
#include <string>

namespace klt {

namespace {

constexpr int kWindowWidth = 607;
constexpr int kWindowHeight = 444;
constexpr int kPageMinimumWidth = 240;
constexpr int kPageMinimumHeight = 200;

} // namespace

void PlaceWindow(QMainWindow &window, QSplitter &splitter, int treeWidth, QSize pages) {
    const QSize chrome = window.minimumSizeHint() - window.centralWidget()->minimumSizeHint();
    // Smaller than its pages need, the window scrolls them; it keeps its menus whole and a page in view.
    window.setMinimumSize(std::max(window.menuBar()->sizeHint().width(), treeWidth + kPageMinimumWidth),
                          chrome.height() + kPageMinimumHeight);
    int width = std::max(kWindowWidth, treeWidth + splitter.handleWidth() + pages.width());
    int height = std::max(kWindowHeight, chrome.height() + pages.height());
    // On a screen too small for that (or a large scale), the window fills the screen and the page scrolls.
    if (const QScreen *display = window.screen(); display != nullptr) {
        const QSize room = display->availableSize();
        width = std::max(window.minimumWidth(), std::min(width, room.width()));
        height = std::max(window.minimumHeight(), std::min(height, room.height()));
    }
    window.resize(width, height);
    splitter.setSizes({treeWidth, width - treeWidth - splitter.handleWidth()});
}

void StorePlacement(const QMainWindow &window, SettingsStore &store) {
    if (window.isMinimized()) {
        return;
    }
    const QScreen *display = window.screen();
    const double twipsPerPixel = 1440.0 / (display != nullptr ? display->logicalDotsPerInch() : 96.0);
    const QRect placement = window.geometry();
    const auto twips = [twipsPerPixel](int pixels) {
        return std::to_string(static_cast<long>(pixels * twipsPerPixel));
    };
    store.put("Settings", "MainLeft", twips(placement.left()));
    store.put("Settings", "MainTop", twips(placement.top()));
    store.put("Settings", "MainWidth", twips(placement.width()));
    store.put("Settings", "MainHeight", twips(placement.height()));
}

} // namespace klt
