#pragma once
// Where the window opens and what it remembers of its place, in the twips the preferences keep.

#include "base/settings_store.h"

#include <QSize>

class QMainWindow;
class QSplitter;

namespace klt {

// The classic size, or as much larger as the tree (treeWidth) and the pages need, within the screen;
// the splitter gives the tree its width. The window may be made smaller: its pages then scroll.
void PlaceWindow(QMainWindow &window, QSplitter &splitter, int treeWidth, QSize pages);

// "MainLeft", "MainTop", "MainWidth", "MainHeight" under "Settings"; nothing while minimised.
void StorePlacement(const QMainWindow &window, SettingsStore &store);

} // namespace klt
