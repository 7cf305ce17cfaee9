#include "serial/LineSettingNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace zeft {
namespace {

// Each code by the status bar's name and zeftctl's word; codes past the table read as
// the usual choice in the status bar.
TEST(LineSettingNamesTest, ParityAndStopBitsByCode) {
    struct ParityCase {
        int code;
        const char* letter;
        std::optional<std::uint8_t> fromWord;
        const char* word;
    };
    const ParityCase parities[] = {{0, "N", 0, "none"},
                                   {1, "O", 1, "odd"},
                                   {2, "E", 2, "even"},
                                   {3, "M", 3, "mark"},
                                   {4, "S", 4, "space"},
                                   {5, "N", std::nullopt, "sideways"},
                                   {255, "N", std::nullopt, "None"}};
    for (const ParityCase& c : parities) {
        EXPECT_EQ(ParityLetter(static_cast<std::uint8_t>(c.code)), c.letter) << c.code;
        EXPECT_EQ(ParityCode(c.word), c.fromWord) << c.word;
    }
    struct StopCase {
        int code;
        const char* text;
        std::optional<std::uint8_t> fromText;
    };
    const StopCase stops[] = {{0, "1", 0}, {1, "1.5", 1}, {2, "2", 2}, {3, "1", 0}};
    for (const StopCase& c : stops) {
        EXPECT_EQ(StopBitsText(static_cast<std::uint8_t>(c.code)), c.text) << c.code;
        EXPECT_EQ(StopBitsCode(c.text), c.fromText) << c.text;
    }
    EXPECT_EQ(StopBitsCode("1,5"), std::nullopt);
}

TEST(LineSettingNamesTest, FlowControlCodesOfTheListItems) {
    const std::pair<int, std::int32_t> flows[] = {{-1, 0}, {0, 0}, {1, 896}, {2, 8196}, {3, 40}, {4, 0}};
    for (const auto& [index, code] : flows) {
        EXPECT_EQ(FlowCodeFromIndex(index), code) << index;
    }
    const std::pair<std::int32_t, int> back[] = {{0, 0}, {896, 1}, {8196, 2}, {40, 3}, {41, 0}, {-1, 0}};
    for (const auto& [code, index] : back) {
        EXPECT_EQ(FlowIndexFromCode(code), index) << code;
    }
}

} // namespace
} // namespace zeft
