#pragma once
// The cells of the spreadsheet tables: how a value is written, and how a cell is read. A reader sets
// the value and returns why the cell is refused, or nothing.

#include <cstddef>
#include <optional>
#include <string>

namespace klt {

using CellRefusal = std::optional<std::string>;

// "1" or "0"; an empty cell reads as off.
std::string FlagCell(bool on);
CellRefusal ReadFlagCell(const std::string &text, bool &on);

// "Off", "0" to "3"; a code the list does not hold is written "Off". An empty cell reads as off.
std::string ScramblerCell(int code);
CellRefusal ReadScramblerCell(const std::string &text, int &code);

// MHz with a decimal point; empty for none.
std::string FrequencyCell(double mhz);
CellRefusal ReadFrequencyCell(const std::string &text, double &mhz);

// A name in UTF-8; stored in the radio's single-byte characters. A name a spreadsheet would take for a
// formula ("+DOCK", "-ONE") is written behind an apostrophe and read without it.
std::string NameCell(const std::string &latin1);
CellRefusal ReadNameCell(const std::string &text, std::size_t length, std::string &latin1);

// Display figures, each one the radio's seven-segment display can show.
CellRefusal DisplayCellRefusal(const std::string &text);

} // namespace klt
