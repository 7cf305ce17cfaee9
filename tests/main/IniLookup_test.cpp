#include "main/IniLookup.h"

#include <gtest/gtest.h>

#include <string>

namespace zeft {
namespace {

const std::string kText = "[Sensor Parameters]\r\n"
                          "Output Type = 4\r\n"
                          "  top LIMIT\t=  10 \r\n"
                          "[ Tank Linearization Parameters ]\r\n"
                          "Level A = 2 0\r\n"
                          "Level D=80";

IniLookup MakeLookup() {
    return IniLookup({{"Sensor Parameters", "Output Type"},
                      {"Sensor Parameters", "Top Limit"},
                      {"Tank Linearization Parameters", "Level A"},
                      {"Tank Linearization Parameters", "Level D"},
                      {"Tank Linearization Parameters", "Level B"}},
                     2047);
}

// The file arrives in pieces of any size: every split of the text gives the same values.
TEST(IniLookupTest, TextSplitAnywhereGivesTheSameValues) {
    for (std::size_t split = 0; split <= kText.size(); ++split) {
        IniLookup lookup = MakeLookup();
        lookup.Feed(std::string_view(kText).substr(0, split));
        lookup.Feed(std::string_view(kText).substr(split));
        lookup.Finish();
        EXPECT_EQ(lookup.Value(0), "4") << split;
        EXPECT_EQ(lookup.Value(1), "10") << split;
        EXPECT_EQ(lookup.Value(2), "2 0") << split;
        EXPECT_EQ(lookup.Value(3), "80") << split;
        EXPECT_EQ(lookup.Value(4), std::nullopt) << split;
        EXPECT_FALSE(lookup.AllFound());
    }
}

TEST(IniLookupTest, AllFoundOnceEveryKeyHasAValue) {
    IniLookup lookup({{"S", "a"}, {"S", "b"}}, 10);
    lookup.Feed("[s]\na=1\n");
    EXPECT_FALSE(lookup.AllFound());
    lookup.Feed("B = \n");
    EXPECT_TRUE(lookup.AllFound());
    EXPECT_EQ(lookup.Value(1), "");
}

} // namespace
} // namespace zeft
