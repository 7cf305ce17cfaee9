#include "base/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace zeft {
namespace {

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

std::optional<std::int64_t> ParseInteger(std::string_view text, const IntegerRule& rule) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (rule.tabIsBlank && text[pos] == '\t'))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (const std::size_t prefix = rule.hexadecimal ? HexPrefixLength(text.substr(pos)) : 0; prefix > 0) {
        base = 16;
        pos += prefix;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }

    // Checked digit by digit, so that no length of text can overflow the sum.
    const std::int64_t limit = negative ? -rule.lowest : rule.highest;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const std::optional<int> digit = DigitValue(text[pos], base);
        if (!digit) {
            return std::nullopt;
        }
        magnitude = magnitude * base + *digit;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return negative ? -magnitude : magnitude;
}

namespace {
// Every setting is a signed 32-bit number.
constexpr IntegerRule kSetting{true, true, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()};
} // namespace

std::int32_t IntegerFromText(std::string_view text, std::int32_t defaultValue) {
    return static_cast<std::int32_t>(ParseInteger(text, kSetting).value_or(defaultValue));
}

std::optional<std::int32_t> WholeInteger(std::string_view text) {
    const std::optional<std::int64_t> value = ParseInteger(text, kSetting);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

} // namespace zeft
