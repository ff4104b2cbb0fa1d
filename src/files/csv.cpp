#include "files/csv.h"

#include "model/text_format.h"

namespace klt {

std::string CsvLine(const std::vector<std::string> &fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string &field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

std::optional<std::vector<CsvRecord>> ParseCsv(std::string_view text, int &openLine) {
    text = WithoutByteOrderMark(text);
    std::vector<CsvRecord> records;
    CsvRecord record{1, {}};
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int quoteLine = 0;
    const auto endRecord = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
        const bool blank = record.fields.size() == 1 && record.fields[0].empty();
        if (!blank) {
            records.push_back(std::move(record));
        }
        record = CsvRecord{line + 1, {}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ? 1 : 0;
                field += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
        } else if (c == '\n' || c == '\r') {
            // CR LF, LF, or CR alone (as older spreadsheets on a Mac save) ends a line.
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
            endRecord();
            ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        openLine = quoteLine;
        return std::nullopt;
    }
    if (fieldStarted || !record.fields.empty()) {
        endRecord();
    }
    return records;
}

} // namespace klt
