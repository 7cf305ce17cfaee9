#include "base/NumberText.h"

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

// The rule's own choices: hexadecimal or not, tabs as blanks or not, and the range, which
// a negative number reaches by its magnitude.
TEST(ParseIntegerTest, TheRuleDecides) {
    constexpr std::int64_t kWidest = 4294967295;
    constexpr IntegerRule kDecimal{false, false, -kWidest, kWidest};
    constexpr IntegerRule kByte{true, true, -128, 127};
    struct Row {
        IntegerRule rule;
        const char* text;
        std::optional<std::int64_t> value;
    };
    const Row rows[] = {
        {kDecimal, "4294967295", kWidest},
        {kDecimal, "-4294967295", -kWidest},
        {kDecimal, "4294967296", std::nullopt},
        {kDecimal, "$10", std::nullopt},
        {kDecimal, "0x10", std::nullopt},
        {kDecimal, "\t5", std::nullopt},
        {kDecimal, "  5", 5},
        {kByte, "\t5", 5},
        {kByte, "$7F", 127},
        {kByte, "-$80", -128},
        {kByte, "128", std::nullopt},
        {kByte, "-129", std::nullopt},
        {kByte, "-", std::nullopt},
        {kByte, "0x", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ParseInteger(row.text, row.rule), row.value) << '"' << row.text << '"';
    }
}

} // namespace
} // namespace zeft
