#pragma once
// The toolbar's icons: the desktop's icon theme where it has one for the command, else the program's
// own, drawn at whatever size and scale the toolbar asks for in the palette's colours.

#include <QIcon>

namespace klt {

enum class ToolIcon { New, Open, Save, Print, Undo, Redo, Program, Read };

QIcon ToolbarIcon(ToolIcon kind);

// The program's own drawing of the icon, whatever the theme has.
QIcon DrawnToolbarIcon(ToolIcon kind);

} // namespace klt
