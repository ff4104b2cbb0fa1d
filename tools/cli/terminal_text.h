#pragma once
// Text that came from a file or a radio (names, stations, messages that quote them) may hold control
// bytes; written raw to a terminal, an ESC sequence could clear the screen or retitle the window.

#include <string>

namespace klt::cli {

// One line for a terminal: control bytes (C0, DEL, and C1 written as UTF-8) become \xNN; the rest,
// including other UTF-8, stays as it is.
std::string Printable(const std::string &text);

// A message for a terminal: its CR LF or CR line ends become LF, every line made printable.
std::string ForTerminal(const std::string &text);

// Whether standard error is a terminal, where progress may redraw its line.
bool StandardErrorIsTerminal();

// A terminal that takes no cursor movements: Windows' console before it was told to.
#ifdef _WIN32
inline constexpr bool kPlainTerminal = true;
#else
inline constexpr bool kPlainTerminal = false;
#endif

} // namespace klt::cli
