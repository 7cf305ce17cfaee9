#include "calc/DecimalText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zeft {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits of a whole, finite value (already rounded) without sign or separators.
std::string DigitsOf(long double wholeValue) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.0Lf", std::fabs(wholeValue));
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) {
        return "0";
    }
    return std::string(buffer, static_cast<std::size_t>(n));
}

// A plain number ("-12.5e3": sign, digits with at most one point, exponent) with up to 19
// significant digits and a power of ten up to 10^27, converted with one rounding: the
// digits and the power are both exact in long double's 64-bit mantissa. That is the
// correctly rounded value, whatever the C library does: the Windows runtime's conversion
// goes through double and misses the typed limits ("3.94" came out below 3.94L).
std::optional<long double> ExactSmallDecimal(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = pos < text.size() && text[pos] == '-';
    pos += negative ? 1 : 0;
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0; // decimal exponent the digits are scaled by
    bool afterPoint = false;
    for (; pos < text.size() && text[pos] != 'e'; ++pos) {
        if (text[pos] == '.') {
            afterPoint = true;
            continue;
        }
        const int digit = text[pos] - '0';
        if (significant == 0 && digit == 0) {
            scale -= afterPoint ? 1 : 0; // a leading zero counts only for its place
            continue;
        }
        if (++significant > 19) {
            return std::nullopt;
        }
        digits = digits * 10 + static_cast<std::uint64_t>(digit);
        scale -= afterPoint ? 1 : 0;
    }
    if (pos < text.size()) {
        int exponent = 0;
        std::from_chars_result parsed = std::from_chars(text.data() + pos + 1 + (text[pos + 1] == '+' ? 1 : 0),
                                                        text.data() + text.size(), exponent);
        if (parsed.ec != std::errc() || exponent < -1000 || exponent > 1000) {
            return std::nullopt;
        }
        scale += exponent;
    }
    if (digits == 0) {
        return negative ? -0.0L : 0.0L;
    }
    if (scale < -27 || scale > 27) {
        return std::nullopt;
    }
    long double power = 1;
    for (int i = 0; i < (scale < 0 ? -scale : scale); ++i) {
        power *= 10; // exact up to 10^27
    }
    const long double value =
        scale < 0 ? static_cast<long double>(digits) / power : static_cast<long double>(digits) * power;
    return negative ? -value : value;
}

} // namespace

std::optional<long double> DecimalFromText(std::string_view text, char decimalSeparator) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    // Rebuild the number with a point so that the conversion never sees the locale.
    std::string normal;
    std::size_t pos = begin;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            normal += '-';
        }
        ++pos;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            ++mantissaDigits;
            normal += c;
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
            normal += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        normal += 'e';
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
            normal += text[pos];
            ++pos;
        }
        int exponentDigits = 0;
        for (; pos < end && IsDigit(text[pos]); ++pos) {
            ++exponentDigits;
            normal += text[pos];
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (pos != end) {
        return std::nullopt;
    }
    if (const std::optional<long double> exact = ExactSmallDecimal(normal)) {
        return exact;
    }
#ifdef _WIN32
    // There from_chars goes through double too; the mingw runtime's own strtold is exact.
    const char point = *std::localeconv()->decimal_point;
    std::replace(normal.begin(), normal.end(), '.', point);
    char* stop = nullptr;
    errno = 0;
    const long double value = std::strtold(normal.c_str(), &stop);
    if (stop != normal.c_str() + normal.size() || errno == ERANGE || !std::isfinite(value)) {
        return std::nullopt;
    }
#else
    long double value = 0;
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto [ptr, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
#endif
    return value;
}

std::optional<long double> PositiveDecimalFromText(std::string_view text, char decimalSeparator) {
    const std::optional<long double> value = DecimalFromText(text, decimalSeparator);
    if (!value || !(*value > 0)) {
        return std::nullopt;
    }
    return value;
}

long double RoundHalfEven(long double value) {
    const long double lower = std::floor(value);
    const long double fraction = value - lower;
    if (fraction > 0.5L) {
        return lower + 1;
    }
    if (fraction < 0.5L) {
        return lower;
    }
    return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
}

std::string WholeText(long double value) {
    const long double rounded = RoundHalfEven(value);
    std::string digits = DigitsOf(rounded);
    return rounded < 0 && digits != "0" ? "-" + digits : digits;
}

std::string FixedText(long double value, int decimals, char decimalSeparator) {
    long double scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const long double scaled = RoundHalfEven(value * scale);
    std::string digits = DigitsOf(scaled);
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals)) {
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, decimalSeparator);
    }
    return scaled < 0 ? "-" + digits : digits;
}

std::string VolumeText(long double value, char decimalSeparator) {
    // Dimensions near the top of the number range can multiply beyond it.
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    const long double rounded = RoundHalfEven(value);
    if (std::fabs(rounded) < 1e7L) {
        return WholeText(rounded);
    }
    // Exponent form with seven significant digits, trailing zeros dropped.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6Le", std::fabs(value));
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    std::string mantissa;
    for (std::size_t i = 0; i < e; ++i) {
        if (IsDigit(text[i])) {
            mantissa += text[i];
        }
    }
    while (mantissa.size() > 1 && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    std::string result = value < 0 ? "-" : "";
    result += mantissa[0];
    if (mantissa.size() > 1) {
        result += decimalSeparator;
        result += mantissa.substr(1);
    }
    const int exponent = std::stoi(text.substr(e + 1));
    return result + "E" + std::to_string(exponent);
}

} // namespace zeft
