#pragma once
// The records hold texts as Windows-1252 bytes, one per character; the widgets hold Unicode.

#include <QString>

#include <string>
#include <string_view>

namespace klt {

QString ToQString(std::string_view bytes);
// A character Windows-1252 has no byte for becomes "?".
std::string FromQString(const QString &text);

} // namespace klt
