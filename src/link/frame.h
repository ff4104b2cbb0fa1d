#pragma once
// The radio's command framing: TAB-separated fields, an XOR checksum as two hex digits, CR LF.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

// command TAB (parameter TAB)... checksum CR LF; empty parameters are left out with their TAB.
std::vector<std::uint8_t> BuildFrame(std::string_view command, std::string_view p1 = {},
                                     std::string_view p2 = {}, std::string_view p3 = {});

// The XOR of every byte of the text.
std::uint8_t XorChecksum(std::string_view text);

// A received line (header and rest, without CR LF): its last two characters, read as hexadecimal in
// either case, equal the XOR of all characters before them.
bool VerifyLineChecksum(std::string_view line);

// Upper-case hexadecimal: addresses as four digits, lengths and bytes as two.
std::string Hex4(unsigned value);
std::string Hex2(unsigned value);

// The pieces of a text between TAB characters (the first piece is what comes before the first TAB).
std::vector<std::string> SplitTabs(std::string_view text);

} // namespace klt
