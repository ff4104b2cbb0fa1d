#include "model/text_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace klt {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char UpperChar(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

std::string Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

std::string ToUpper(std::string_view text) {
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), UpperChar);
    return upper;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::ranges::equal(a, b, [](char x, char y) { return UpperChar(x) == UpperChar(y); });
}

bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && EqualsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string FixedWidth(std::string_view text, int n) {
    if (n <= 0) {
        return {};
    }
    std::string field(text.substr(0, static_cast<std::size_t>(n)));
    field.resize(static_cast<std::size_t>(n), ' ');
    return field;
}

std::string LabelColon(std::string_view text, int n) {
    return FixedWidth(text, n - 1) + ": ";
}

std::string DashField(std::string_view text, int n) {
    return text.empty() ? std::string(static_cast<std::size_t>(std::max(n, 0)), '-') : FixedWidth(text, n);
}

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> items;
    for (;;) {
        const auto comma = text.find(',');
        items.push_back(Trim(text.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return items;
        }
        text.remove_prefix(comma + 1);
    }
}

bool TextToBool(std::string_view text) {
    const std::string trimmed = Trim(text);
    if (EqualsIgnoreCase(trimmed, "true")) {
        return true;
    }
    long value = 0;
    return ParseLeadingInt(trimmed, value) && value != 0;
}

double LeadingNumber(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string number;
    std::size_t i = 0;
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
        number.push_back(trimmed[i++]);
    }
    bool separator = false;
    for (; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c >= '0' && c <= '9') {
            number.push_back(c);
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    double value = 0.0;
    std::from_chars(number.data() + (number.starts_with('+') ? 1 : 0), number.data() + number.size(), value);
    return value;
}

bool ParseLeadingInt(std::string_view text, long &value) {
    const std::string trimmed = Trim(text);
    const char *first = trimmed.data();
    const char *last = trimmed.data() + trimmed.size();
    if (first != last && *first == '+') {
        ++first;
    }
    return std::from_chars(first, last, value).ec == std::errc{};
}

std::string Utf8FromLatin1(std::string_view text) {
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::optional<std::string> Latin1FromUtf8(std::string_view text) {
    std::string latin1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            latin1 += text[i];
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            latin1 +=
                static_cast<char>(((byte & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return latin1;
}

} // namespace klt
