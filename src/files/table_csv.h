#pragma once
// The tables a spreadsheet can hold: the two station directories, the expansion channels, the weather
// channels, and the names and flags of the plan channels. Export writes a table as CSV; import checks
// every row by the rules of the table's page and changes the configuration only when all rows pass.

#include "model/model_catalogue.h"
#include "model/records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

enum class CsvTable { IndividualDirectory, GroupDirectory, Expansion, Weather, Channels };

// "individual-directory", "group-directory", "expansion", "weather", "channels".
std::optional<CsvTable> CsvTableNamed(std::string_view name);
const char *CsvTableName(CsvTable table);
// The table's caption in menus ("Individual Directory").
const char *CsvTableCaption(CsvTable table);

// What the whole-configuration check says of a table: after an import, its warnings (a number of
// the wrong kind, a MID no country holds) the user may accept.
std::vector<std::string> CheckOfTable(const Configuration &config, Model model, bool atis, CsvTable table);

// UTF-8 text with CR LF line ends, the column names first.
std::string ExportCsvTable(const Configuration &config, CsvTable table);

struct CsvProblem {
    int line = 0;
    std::string column; // empty when the problem is the record as a whole
    std::string reason;
};
// "line 4, column MMSI: 9 digits expected"
std::string DescribeCsvProblem(const CsvProblem &problem);

// Nothing when every row was taken; else the first bad row, and config unchanged.
std::optional<CsvProblem> ImportCsvTable(Configuration &config, CsvTable table, std::string_view text);

} // namespace klt
