#pragma once
// Spreadsheet files: comma-separated values as RFC 4180 writes them (fields with a comma, a quote or a
// line break in quotes, quotes doubled, CR LF between records), UTF-8 in the file.

#include "model/text_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

struct CsvRecord {
    int line = 0; // the file's line on which the record starts, from 1
    std::vector<std::string> fields;
};

// One record and its CR LF.
std::string CsvLine(const std::vector<std::string> &fields);

// The records of a file (a leading byte order mark is skipped; CR LF or LF; blank lines skipped).
// Nothing when a quoted field is not closed; then openLine is the line on which it opened.
std::optional<std::vector<CsvRecord>> ParseCsv(std::string_view text, int &openLine);

} // namespace klt
