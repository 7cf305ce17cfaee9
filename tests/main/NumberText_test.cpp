#include "main/NumberText.h"

#include "main/CharFromText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace zeft {
namespace {

constexpr std::int32_t kDefault = 2001;

struct NumberCase {
    std::string text;
    std::int32_t expected;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class IntegerFromTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IntegerFromTextTest, ReadsWholeTextOrGivesDefault) {
    EXPECT_EQ(IntegerFromText(GetParam().text, kDefault), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Decimal, IntegerFromTextTest,
                         ::testing::Values(NumberCase{"10", 10}, NumberCase{"010", 10}, NumberCase{"0", 0},
                                           NumberCase{"+10", 10}, NumberCase{"-10", -10}, NumberCase{" 11", 11},
                                           NumberCase{"   -7", -7}, NumberCase{"\t5", 5}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerFromTextTest,
                         ::testing::Values(NumberCase{"$14", 20}, NumberCase{"x14", 20}, NumberCase{"X14", 20},
                                           NumberCase{"0x14", 20}, NumberCase{"0X14", 20}, NumberCase{"$ff", 255},
                                           NumberCase{"$FF", 255}, NumberCase{"-$10", -16}, NumberCase{"+0x10", 16},
                                           NumberCase{" $a", 10}, NumberCase{"$7FFFFFFF", 2147483647},
                                           NumberCase{"-$80000000", -2147483647 - 1}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, IntegerFromTextTest,
    ::testing::Values(NumberCase{"", kDefault}, NumberCase{" ", kDefault}, NumberCase{"abc", kDefault},
                      NumberCase{"10 ", kDefault}, NumberCase{"1 0", kDefault}, NumberCase{"+", kDefault},
                      NumberCase{"-", kDefault}, NumberCase{"+-1", kDefault}, NumberCase{"--1", kDefault},
                      NumberCase{"$", kDefault}, NumberCase{"0x", kDefault}, NumberCase{"$g", kDefault},
                      NumberCase{"1a", kDefault}, NumberCase{"4.0", kDefault}, NumberCase{"1e3", kDefault},
                      NumberCase{"$$1", kDefault}, NumberCase{"0x0x1", kDefault}, NumberCase{"- 1", kDefault},
                      NumberCase{std::string("1\0", 2), kDefault}));

INSTANTIATE_TEST_SUITE_P(ThirtyTwoBitEdges, IntegerFromTextTest,
                         ::testing::Values(NumberCase{"2147483647", 2147483647}, NumberCase{"2147483648", kDefault},
                                           NumberCase{"-2147483648", -2147483647 - 1},
                                           NumberCase{"-2147483649", kDefault},
                                           NumberCase{"99999999999999999999999", kDefault},
                                           NumberCase{"$80000000", kDefault}, NumberCase{"$100000000", kDefault},
                                           NumberCase{"00000000000000000000001", 1}));

// The port settings' character fields: one character, a number, or nothing.
TEST(CharFromTextTest, CharacterNumberOrDefault) {
    struct Case {
        const char* text;
        bool ok;
        int value;
        const char* error;
    };
    const Case cases[] = {
        {"A", true, 65, ""},
        {"0x41", true, 65, ""},
        {"65", true, 65, ""},
        {"", true, 7, ""},
        {"0", true, 48, ""},
        {"255", true, 255, ""},
        {"0xFF", true, 255, ""},
        {"300", false, 0, "300 is not within the valid range of 0..255"},
        {"-1", false, 0, "-1 is not within the valid range of 0..255"},
        {"0x100", false, 0, "256 is not within the valid range of 0..255"},
        {"abc", false, 0, "'abc' is not a valid integer value"},
        {"0x", false, 0, "'0x' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        const auto result = CharFromText(c.text, 7);
        EXPECT_EQ(result.ok, c.ok) << c.text;
        EXPECT_EQ(result.value, c.value) << c.text;
        EXPECT_EQ(result.error, c.error) << c.text;
    }
}

} // namespace
} // namespace zeft
