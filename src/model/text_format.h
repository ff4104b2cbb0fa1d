#pragma once
// Small text helpers shared by the codecs, the files and the report.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

std::string Trim(std::string_view text);

// The text after the UTF-8 byte order mark an editor may put first, or the whole text without one.
std::string_view WithoutByteOrderMark(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

// The text followed by n spaces, cut to its first n characters.
std::string FixedWidth(std::string_view text, int n);
// FixedWidth of n - 1, then ": ".
std::string LabelColon(std::string_view text, int n);
// FixedWidth, or n "-" characters when the text is empty.
std::string DashField(std::string_view text, int n);
// The comma-separated items, each trimmed; a text without a comma is one item.
std::vector<std::string> SplitList(std::string_view text);

// Converts a boolean setting text as the preference files write it: a number (non-zero is true) or
// "True"/"False" in any case. Anything else is false.
bool TextToBool(std::string_view text);

// The number a text starts with, after blanks: an optional sign, digits, an optional "." or ","
// and decimals ("01" is 1, "1.5x" is 1.5); 0 when it does not start with one.
double LeadingNumber(std::string_view text);

// Leading decimal integer of a trimmed text ("01" is 1); nothing when the text does not start with one.
bool ParseLeadingInt(std::string_view text, long &value);

// The radio's texts are single bytes (ISO 8859-1); what people read (messages, the terminal,
// spreadsheets) is UTF-8, and a text of the radio's is turned into it where it is put into one.
std::string Utf8FromLatin1(std::string_view text);
// Nothing when the text is not UTF-8 or holds a character beyond ISO 8859-1.
std::optional<std::string> Latin1FromUtf8(std::string_view text);

} // namespace klt
