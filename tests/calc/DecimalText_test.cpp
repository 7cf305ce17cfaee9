#include "calc/DecimalText.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zeft {
namespace {

TEST(DecimalTextTest, NumberRule) {
    struct Case {
        const char* text;
        char separator;
        std::optional<long double> value;
    };
    const std::vector<Case> cases = {
        {"12", '.', 12},
        {"  12.5\t", '.', 12.5L},
        {"+3", '.', 3},
        {"-3", '.', -3},
        {"1e3", '.', 1000},
        {"1.5E-2", '.', 0.015L},
        {"2E+2", '.', 200},
        {".5", '.', 0.5L},
        {"5.", '.', 5},
        {"12,5", ',', 12.5L},
        {"12.5", ',', {}},
        {"12,5", '.', {}},
        {"1,000", '.', {}},
        {"", '.', {}},
        {"  ", '.', {}},
        {"-", '.', {}},
        {".", '.', {}},
        {"1e", '.', {}},
        {"1e+", '.', {}},
        {"e5", '.', {}},
        {"1 2", '.', {}},
        {"12a", '.', {}},
        {"0x10", '.', {}},
        {"1.2.3", '.', {}},
        {"1e99999", '.', {}},
        {"inf", '.', {}},
        {"nan", '.', {}},
        {"--1", '.', {}},
        // Exactly what the compiler makes of the same literal, on every platform.
        {"3.94", '.', 3.94L},
        {"0.000123", '.', 0.000123L},
        {"00012.50", '.', 12.5L},
        {"1e-27", '.', 1e-27L},
        {"123e25", '.', 123e25L},
        {"-0.1", '.', -0.1L},
        {"1234567890123456789", '.', 1234567890123456789.0L},
        {"12345678901234567890.5", '.', 12345678901234567890.5L},
        {"1e-40", '.', 1e-40L},
        {"1E+30", '.', 1e30L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecimalFromText(c.text, c.separator), c.value);
    }
    EXPECT_EQ(DecimalFromText("78.74", '.'), 78.74L); // exactly the literal the range checks use
    EXPECT_EQ(PositiveDecimalFromText("0", '.'), std::nullopt);
    EXPECT_EQ(PositiveDecimalFromText("-0.1", '.'), std::nullopt);
    EXPECT_EQ(PositiveDecimalFromText("0.1", '.'), 0.1L);
}

TEST(DecimalTextTest, RoundsHalvesToEven) {
    const std::vector<std::pair<long double, long double>> cases = {
        {12.5L, 12},   {13.5L, 14},      {0.5L, 0},    {1.5L, 2},    {-2.5L, -2}, {-3.5L, -4},
        {990.6L, 991}, {999.998L, 1000}, {12.49L, 12}, {12.51L, 13}, {-0.4L, 0},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(RoundHalfEven(value), expected) << static_cast<double>(value);
    }
}

TEST(DecimalTextTest, Texts) {
    EXPECT_EQ(WholeText(14.2L), "14");
    EXPECT_EQ(WholeText(-0.3L), "0");
    EXPECT_EQ(WholeText(-7), "-7");
    EXPECT_EQ(FixedText(1000, 2, '.'), "1000.00");
    EXPECT_EQ(FixedText(653.9149L, 2, '.'), "653.91");
    EXPECT_EQ(FixedText(0.05L, 2, ','), "0,05");
    EXPECT_EQ(FixedText(877.5L, 2, '.'), "877.50");
    EXPECT_EQ(VolumeText(1570.796L, '.'), "1571");
    EXPECT_EQ(VolumeText(0.4L, '.'), "0");
    EXPECT_EQ(VolumeText(9999999.4L, '.'), "9999999");
    EXPECT_EQ(VolumeText(12345678, '.'), "1.234568E7");
    EXPECT_EQ(VolumeText(12345678, ','), "1,234568E7");
    EXPECT_EQ(VolumeText(1e7L, '.'), "1E7");
    EXPECT_EQ(VolumeText(2.5e12L, '.'), "2.5E12");
    // A volume beyond the number range (found by fuzzing: it read past the text).
    EXPECT_EQ(VolumeText(std::numeric_limits<long double>::infinity(), '.'), "INF");
    EXPECT_EQ(VolumeText(-std::numeric_limits<long double>::infinity(), '.'), "-INF");
    EXPECT_EQ(VolumeText(std::numeric_limits<long double>::quiet_NaN(), '.'), "NAN");
}

} // namespace
} // namespace zeft
