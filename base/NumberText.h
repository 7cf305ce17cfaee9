#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zeft {

// How a whole text is read as an integer: leading blanks, one optional sign, then decimal
// digits, or with hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may
// follow the digits; the value must lie within lowest..highest.
struct IntegerRule {
    bool hexadecimal = true;
    bool tabIsBlank = true; // else only spaces lead
    std::int64_t lowest = 0;
    std::int64_t highest = 0;
};

// Nothing when the text is not such a number.
std::optional<std::int64_t> ParseInteger(std::string_view text, const IntegerRule& rule);

// Reads a whole text as a signed 32-bit integer, the way every setting is read:
// leading blanks, one optional sign, then decimal digits, or hexadecimal digits after
// "$", "x", "X", "0x" or "0X". Nothing may follow the digits. Any other text, the empty
// text, and values outside the 32-bit range give defaultValue.
std::int32_t IntegerFromText(std::string_view text, std::int32_t defaultValue);

// The same rule without a default: nothing when the text is not such a number.
std::optional<std::int32_t> WholeInteger(std::string_view text);

} // namespace zeft
