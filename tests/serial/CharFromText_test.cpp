#include "serial/CharFromText.h"

#include <gtest/gtest.h>

namespace zeft {
namespace {

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
