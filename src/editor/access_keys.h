#pragma once
// Every item of every menu can be chosen from the keyboard: captions that name no access key (the
// models', the destinations' and the ports' captions, which come from files and from the system)
// are given one when their menu opens.

#include <QString>

class QMenu;
class QMenuBar;

namespace klt {

// A caption taken from a file or the system, shown as it stands: an "&" in it is not an access key.
QString PlainCaption(const QString &text);

// Gives each visible item of the menu that names no access key the first letter or digit that no
// other item of the menu uses (or, when all of its characters are taken, its first one: pressing it
// again then moves on to the next item that shares it).
void GiveAccessKeys(QMenu &menu);

// Does so now and each time one of the bar's menus or submenus opens, after what fills it.
void KeepAccessKeys(QMenuBar &bar);

} // namespace klt
