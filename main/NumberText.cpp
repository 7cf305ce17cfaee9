#include "main/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace zeft {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<int> DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    if (value < 0 || value >= base) {
        return std::nullopt;
    }
    return value;
}

// Length of a hexadecimal prefix at the start of text, 0 when there is none.
std::size_t HexPrefixLength(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return 2;
    }
    if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        return 1;
    }
    return 0;
}

} // namespace

std::int32_t IntegerFromText(std::string_view text, std::int32_t defaultValue) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (const std::size_t prefix = HexPrefixLength(text.substr(pos)); prefix > 0) {
        base = 16;
        pos += prefix;
    }
    if (pos == text.size()) {
        return defaultValue;
    }

    // The magnitude may reach 2^31 for the most negative value; anything beyond is out.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const std::optional<int> digit = DigitValue(text[pos], base);
        if (!digit) {
            return defaultValue;
        }
        magnitude = magnitude * base + *digit;
        if (magnitude > limit) {
            return defaultValue;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> WholeInteger(std::string_view text) {
    // Two defaults that cannot both come out of a number tell a number from none.
    const std::int32_t low = IntegerFromText(text, std::numeric_limits<std::int32_t>::min());
    if (low != IntegerFromText(text, std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return low;
}

} // namespace zeft
