#include "files/csv_cells.h"

#include "files/csv.h"
#include "model/channel_rules.h"
#include "model/decimal_format.h"
#include "model/name_rules.h"
#include "model/text_format.h"

#include <string_view>

namespace klt {

namespace {

// Only a plain number is a frequency here: digits and one decimal point.
bool PlainNumber(const std::string &number) {
    const auto point = number.find('.');
    return number.find_first_not_of("0123456789.") == std::string::npos &&
           (point == std::string::npos || number.find('.', point + 1) == std::string::npos);
}

} // namespace

std::string FlagCell(bool on) {
    return on ? "1" : "0";
}

CellRefusal ReadFlagCell(const std::string &text, bool &on) {
    on = text == "1";
    if (text != "0" && text != "1" && !text.empty()) {
        return "1 or 0 expected";
    }
    return std::nullopt;
}

std::string ScramblerCell(int code) {
    const int position = ScramblerPosition(code);
    return ScramblerEntries()[static_cast<std::size_t>(position < 0 ? 0 : position)];
}

CellRefusal ReadScramblerCell(const std::string &text, int &code) {
    code = 0;
    const auto entries = ScramblerEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (text == entries[i]) {
            code = ScramblerCode(static_cast<int>(i));
            return std::nullopt;
        }
    }
    if (!text.empty()) {
        return "Off, 0, 1, 2 or 3 expected";
    }
    return std::nullopt;
}

std::string FrequencyCell(double mhz) {
    return mhz > 0.0 ? FormatFixed(mhz, 3, 4) : std::string();
}

CellRefusal ReadFrequencyCell(const std::string &text, double &mhz) {
    const std::string number = Trim(text);
    const auto checked = PlainNumber(number) ? CheckedFrequency(number) : std::nullopt;
    mhz = checked.value_or(0.0);
    if (!checked) {
        return "137 to 174 MHz on the 25 kHz raster expected";
    }
    return std::nullopt;
}

namespace {

// What a spreadsheet would run as a formula when a cell starts with it ("+DOCK" is a name the radio
// shows): such a cell is written behind an apostrophe, which no name holds, and read without it.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

bool StartsAFormula(std::string_view text) {
    return !text.empty() && kFormulaStarts.find(text.front()) != std::string_view::npos;
}

} // namespace

std::string NameCell(const std::string &latin1) {
    const std::string utf8 = Utf8FromLatin1(latin1);
    return StartsAFormula(utf8) ? "'" + utf8 : utf8;
}

CellRefusal ReadNameCell(const std::string &cell, std::size_t length, std::string &latin1) {
    const std::string text =
        cell.starts_with('\'') && StartsAFormula(std::string_view(cell).substr(1)) ? cell.substr(1) : cell;
    const auto converted = Latin1FromUtf8(text);
    latin1 = converted.value_or(std::string());
    if (!converted) {
        return "a character the radio cannot show";
    }
    if (const auto c = UnshowableNameCharacter(latin1)) {
        return std::string("the radio cannot show \"") + Utf8FromLatin1(std::string(1, *c)) + "\"";
    }
    if (NameTooLong(latin1, length)) {
        return "at most " + std::to_string(length) + " characters";
    }
    return std::nullopt;
}

CellRefusal DisplayCellRefusal(const std::string &text) {
    if (const auto c = UnshowableDisplayCharacter(text)) {
        // The whole character the cell holds there, however many bytes UTF-8 gives it.
        const std::size_t at = text.find(*c);
        std::size_t end = at + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        return "the radio's display cannot show \"" + text.substr(at, end - at) + "\"";
    }
    return std::nullopt;
}

} // namespace klt
