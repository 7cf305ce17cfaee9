#include "main/WordMatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft {
namespace {

// Positions (indexes into the input) where the word was recognised.
std::vector<std::size_t> Matches(std::string_view word, const std::string& input) {
    WordMatcher matcher(word);
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (matcher.Feed(input[i])) {
            found.push_back(i);
        }
    }
    return found;
}

struct MatchCase {
    const char* word;
    std::string input;
    std::vector<std::size_t> expected;
};

TEST(WordMatcherTest, RestartRuleDropsTheFailingCharacter) {
    const MatchCase cases[] = {
        {"KOV", "KOV", {2}},       {"KOV", "\r\nKOV\r\n", {4}}, {"KOV", "xKOV", {3}},
        {"KOV", "KKOV", {}},       // the second K fails the match and is not looked at again
        {"KOV", "KOKOV", {}},      // the second K fails after "KO"
        {"KOV", "KOxKOV", {5}},    // a stray character resets, the next K starts over
        {"KOV", "KOVKOV", {2, 5}}, // the matcher starts over after each match
        {"KOV", "kov", {}},        // capitals only
        {"Done", "Done\r", {3}},   {"Done", "DDone", {}},       {"Done", "+SOT0\rDone\r", {9}},
        {"Done", "Don Done", {7}}, {"In", "Invalid", {1}},      {"In", "IIn", {}},
        {"In", "xIn", {2}},
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(Matches(c.word, c.input), c.expected) << c.word << " in \"" << c.input << '"';
    }
}

TEST(WordMatcherTest, KeepsItsPlaceAcrossFeeds) {
    WordMatcher matcher("Done");
    EXPECT_FALSE(matcher.Feed('D'));
    EXPECT_FALSE(matcher.Feed('o'));
    EXPECT_EQ(matcher.Matched(), 2u);
    EXPECT_FALSE(matcher.Feed('n'));
    EXPECT_TRUE(matcher.Feed('e'));
    EXPECT_EQ(matcher.Matched(), 0u);
}

} // namespace
} // namespace zeft
