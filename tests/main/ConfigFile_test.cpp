#include "main/ConfigFile.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <ostream>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>
#ifndef _WIN32
#include <unistd.h>
#endif

using namespace std::string_literals;

namespace zeft {
namespace {

using testing::TempFolder;

constexpr const char* kMissing = "Invalid Data";

const std::string kDefaultsFile = "[Sensor Parameters]\r\n"
                                  "Output Type = 0\r\n"
                                  "Fluid Type = 0\r\n"
                                  "Top Limit = 10\r\n"
                                  "Bottom Limit = 2000\r\n"
                                  "[Tank Linearization Parameters]\r\n"
                                  "Level A = 20\r\n"
                                  "Level B = 40\r\n"
                                  "Level C = 60\r\n"
                                  "Level D = 80\r\n";

// Controls that hold something different from anything a file gives, so that every
// control a load leaves alone shows.
PlainSettingsControls Untouched() {
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(2);
    controls.SetFluidTypeIndex(2);
    controls.settings.edits = {"old", "old", "old", "old", "old", "old"};
    return controls;
}

TEST(ConfigFileTextTest, DefaultsGiveTheTenLinesWithCrLf) {
    EXPECT_EQ(ConfigFileText(PlainSettingsControls()), kDefaultsFile);
}

TEST(ConfigFileTextTest, CodesAndEditTextsAsTyped) {
    struct Case {
        int outputIndex, fluidIndex;
        const char* outputLine;
        const char* fluidLine;
    };
    const Case cases[] = {
        {3, 3, "Output Type = 4\r\n", "Fluid Type = 3\r\n"},
        {2, 1, "Output Type = 2\r\n", "Fluid Type = 1\r\n"},
        {-1, -1, "Output Type = -1\r\n", "Fluid Type = -1\r\n"},
    };
    for (const Case& c : cases) {
        PlainSettingsControls controls;
        controls.SetOutputTypeIndex(c.outputIndex);
        controls.SetFluidTypeIndex(c.fluidIndex);
        controls.settings.edits = {" 11", "$7D0", "+0", "1", "2", "100"};
        const std::string text = ConfigFileText(controls);
        EXPECT_NE(text.find("\r\n"s + c.outputLine + c.fluidLine + "Top Limit =  11\r\nBottom Limit = $7D0\r\n"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("Level A = +0\r\nLevel B = 1\r\nLevel C = 2\r\nLevel D = 100\r\n"), std::string::npos);
    }
}

struct LoadCase {
    const char* name;
    std::string text;
    int outputIndex;
    int fluidIndex;
    std::array<std::string, 6> edits; // top, bottom, A, B, C, D
};

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kTank = "[Tank Linearization Parameters]\nLevel A=1\nLevel B=2\nLevel C=3\nLevel D=4\n";
const std::array<std::string, 6> kLoadedEdits = {"10", "2000", "1", "2", "3", "4"};

std::string Sensor(const std::string& outputLine, const std::string& fluidLine = "Fluid Type = 1") {
    return "[Sensor Parameters]\n" + outputLine + "\n" + fluidLine + "\nTop Limit = 10\nBottom Limit = 2000\n";
}

class LoadConfigTextTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadConfigTextTest, PutsWhatTheRulesFindIntoTheControls) {
    const LoadCase& c = GetParam();
    PlainSettingsControls controls = Untouched();
    LoadConfigText(c.text, controls);
    EXPECT_EQ(controls.OutputTypeIndex(), c.outputIndex);
    EXPECT_EQ(controls.FluidTypeIndex(), c.fluidIndex);
    EXPECT_EQ(controls.settings.edits, c.edits);
}

const std::array<std::string, 6> kAllMissing = {kMissing, kMissing, kMissing, kMissing, kMissing, kMissing};

INSTANTIATE_TEST_SUITE_P(
    Rules, LoadConfigTextTest,
    ::testing::Values(
        LoadCase{"SavedDefaults", kDefaultsFile, 0, 0, {"10", "2000", "20", "40", "60", "80"}},
        LoadCase{"Code4SelectsIndex3", Sensor("Output Type = 4") + kTank, 3, 1, kLoadedEdits},
        LoadCase{"Code3IsNoSelection", Sensor("Output Type = 3") + kTank, -1, 1, kLoadedEdits},
        LoadCase{"Code5IsNoSelection", Sensor("Output Type = 5") + kTank, -1, 1, kLoadedEdits},
        LoadCase{"MinusOneIsNoSelection", Sensor("Output Type = -1", "Fluid Type = -1") + kTank, -1, -1, kLoadedEdits},
        LoadCase{"SmallLettersNoBlanksHex", Sensor("output type=0x4") + kTank, 3, 1, kLoadedEdits},
        LoadCase{"DollarHexAndSign", Sensor("Output Type = $1", "Fluid Type = +3") + kTank, 1, 3, kLoadedEdits},
        LoadCase{"DecimalPointIsNotAnInteger", Sensor("Output Type = 4.0", "Fluid Type = 1.") + kTank, -1, -1,
                 kLoadedEdits},
        LoadCase{"FluidCode4IsNoSelection", Sensor("Output Type = 0", "Fluid Type = 4") + kTank, 0, -1, kLoadedEdits},
        LoadCase{"EmptyCodeIsNoSelection", Sensor("Output Type =", "Fluid Type = ") + kTank, -1, -1, kLoadedEdits},
        LoadCase{"MissingLevelC",
                 Sensor("Output Type = 0") + "[Tank Linearization Parameters]\nLevel A=1\nLevel B=2\nLevel D=4\n",
                 0,
                 1,
                 {"10", "2000", "1", "2", kMissing, "4"}},
        LoadCase{"EmptyValueEmptiesItsEdit",
                 "[Sensor Parameters]\nTop Limit =\nBottom Limit = \t \n" + kTank,
                 -1,
                 -1,
                 {"", "", "1", "2", "3", "4"}},
        LoadCase{"ValuesTrimmedInnerBlanksKept",
                 "[Sensor Parameters]\nTop Limit =  \t 11 \t\nBottom Limit = 1 0 0\n" + kTank,
                 -1,
                 -1,
                 {"11", "1 0 0", "1", "2", "3", "4"}},
        LoadCase{"CaseAndBlanksAroundNames",
                 "  [  sensor PARAMETERS  ]  junk\n\t TOP limit \t= 15\n[TANK linearization parameters]\n"
                 "level a=1\nLEVEL B =2\n Level C= 3\nLevel D\t=\t4",
                 -1,
                 -1,
                 {"15", kMissing, "1", "2", "3", "4"}},
        LoadCase{"BlanksInsideANameDoNotMatch",
                 "[Sensor Parameters]\nTop  Limit = 15\n[Sensor  Parameters]\n"
                 "Bottom Limit = 150\n",
                 -1, -1, kAllMissing},
        LoadCase{"KeyInTheWrongSectionIsNotFound",
                 "[Tank Linearization Parameters]\nTop Limit = 15\n"
                 "Output Type = 1\n[Sensor Parameters]\nLevel A = 5\n",
                 -1, -1, kAllMissing},
        LoadCase{"KeyBeforeAnySection", "Top Limit = 15\n[Sensor Parameters]\n", -1, -1, kAllMissing},
        LoadCase{"OrderDoesNotMatterAndOtherLinesAreIgnored",
                 "; comment\n[Other]\nTop Limit = 99\n" + kTank +
                     "[Sensor Parameters]\nnot a key line\n"
                     "Bottom Limit = 2000\nColour = red\nTop Limit = 10\n",
                 -1, -1, kLoadedEdits},
        LoadCase{"FirstOfTwoKeysWins",
                 "[Sensor Parameters]\nTop Limit = 11\nTop Limit = 12\n"
                 "[Sensor Parameters]\nTop Limit = 13\nBottom Limit = 14\n",
                 -1,
                 -1,
                 {"11", "14", kMissing, kMissing, kMissing, kMissing}},
        LoadCase{"OnlyTheFirstEqualsSignSplits",
                 "[Sensor Parameters]\nTop Limit = a = b\n",
                 -1,
                 -1,
                 {"a = b", kMissing, kMissing, kMissing, kMissing, kMissing}},
        LoadCase{"LineEndsCrOnlyAndNoFinalLineEnd",
                 "[Sensor Parameters]\rTop Limit = 10\rBottom Limit = 2000",
                 -1,
                 -1,
                 {"10", "2000", kMissing, kMissing, kMissing, kMissing}},
        LoadCase{"NulEndsTheLine",
                 "[Sensor Parameters]\nTop Limit = 12\0 34\nBottom\0 Limit = 5\n"s,
                 -1,
                 -1,
                 {"12", kMissing, kMissing, kMissing, kMissing, kMissing}},
        LoadCase{"SectionWithoutClosingBracket",
                 "[Sensor Parameters\nTop Limit = 15\n",
                 -1,
                 -1,
                 {"15", kMissing, kMissing, kMissing, kMissing, kMissing}},
        LoadCase{
            "ByteOrderMarkIsSkipped", "\xEF\xBB\xBF" + kDefaultsFile, 0, 0, {"10", "2000", "20", "40", "60", "80"}},
        LoadCase{"EmptyText", "", -1, -1, kAllMissing},
        LoadCase{"NotAConfigFile", "\x89PNG\r\n\x1a\n\xff\xfe=\x01[]==\n", -1, -1, kAllMissing}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadConfigTextTest, LongValuesAreCutTo2047Characters) {
    const std::string longValue = std::string(3000, '7') + "   ";
    PlainSettingsControls controls;
    LoadConfigText("[Sensor Parameters]\nTop Limit = " + longValue + "\nBottom Limit = " + std::string(2047, 'x') +
                       "    " + std::string(10, 'y') + "\nOutput Type = " + std::string(3000, ' ') + "4",
                   controls);
    EXPECT_EQ(controls.settings.edits[0], std::string(2047, '7'));
    EXPECT_EQ(controls.settings.edits[1], std::string(2047, 'x'));
    EXPECT_EQ(controls.OutputTypeIndex(), 3);
}

TEST(LoadConfigTextTest, VeryLongNamesMatchNothing) {
    PlainSettingsControls controls;
    LoadConfigText("[" + std::string(100000, 'S') + "]\nTop Limit = 1\n[Sensor Parameters]\n" +
                       std::string(100000, 'k') + "Top Limit = 2\nTop Limit" + std::string(100000, ' ') + "= 3\n",
                   controls);
    EXPECT_EQ(controls.settings.edits[0], "3");
}

TEST(ConfigFileRoundTripTest, SaveThenLoadRestoresAllEightSettings) {
    const TempFolder folder;
    struct Case {
        int outputIndex, fluidIndex;
        std::array<std::string, 6> edits;
        std::array<std::string, 6> loaded;
    };
    const Case cases[] = {
        {3, 3, {"10", "2000", "20", "40", "60", "80"}, {"10", "2000", "20", "40", "60", "80"}},
        {0, 1, {"15", "1500", "0", "1", "2", "3"}, {"15", "1500", "0", "1", "2", "3"}},
        {-1, -1, {" 11", "$7D0", "+5", "0x0A", "  50", "99"}, {"11", "$7D0", "+5", "0x0A", "50", "99"}},
    };
    for (const Case& c : cases) {
        PlainSettingsControls saved;
        saved.SetOutputTypeIndex(c.outputIndex);
        saved.SetFluidTypeIndex(c.fluidIndex);
        saved.settings.edits = c.edits;
        ASSERT_EQ(SaveConfigFile(folder / "tank.zcf", saved), std::nullopt);
        PlainSettingsControls loaded = Untouched();
        LoadConfigFile(folder / "tank.zcf", loaded);
        EXPECT_EQ(loaded.OutputTypeIndex(), c.outputIndex);
        EXPECT_EQ(loaded.FluidTypeIndex(), c.fluidIndex);
        EXPECT_EQ(loaded.settings.edits, c.loaded);
    }
}

TEST(LoadConfigFileTest, WhatCannotBeReadLoadsAsIfEveryKeyWereMissing) {
    const TempFolder folder;
    std::filesystem::create_directory(folder / "a folder.zcf");
    std::vector<std::filesystem::path> paths = {folder / "missing.zcf", folder / "a folder.zcf", ""};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((folder / "pipe.zcf").c_str(), 0600), 0);
    paths.push_back(folder / "pipe.zcf");
    paths.push_back("/dev/zero");
    // A plain file to stat that blocks a reader until the kernel logs something.
    if (::access("/proc/kmsg", R_OK) == 0) {
        paths.push_back("/proc/kmsg");
    }
#endif
    for (const auto& path : paths) {
        PlainSettingsControls controls = Untouched();
        LoadConfigFile(path, controls); // a pipe with no writer must not block
        EXPECT_EQ(controls.OutputTypeIndex(), -1) << path;
        EXPECT_EQ(controls.FluidTypeIndex(), -1) << path;
        EXPECT_EQ(controls.settings.edits, kAllMissing) << path;
    }
}

TEST(LoadConfigFileTest, FileWithByteOrderMarkLoads) {
    const TempFolder folder;
    const auto path = folder.Write("bom.zcf", "\xEF\xBB\xBF[Sensor Parameters]\r\nTop Limit = 12\r\n");
    PlainSettingsControls controls;
    LoadConfigFile(path, controls);
    EXPECT_EQ(controls.settings.edits[0], "12");
}

TEST(LoadConfigFileTest, HugeFileReadsOnlyItsFirstMegabyte) {
    const TempFolder folder;
    std::string text =
        "[Sensor Parameters]\nTop Limit = 12\n" + std::string(2 * 1024 * 1024, 'x') + "\n" + "Bottom Limit = 1999\n";
    const auto path = folder.Write("huge.zcf", text);
    PlainSettingsControls controls;
    const auto start = std::chrono::steady_clock::now();
    LoadConfigFile(path, controls);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(controls.settings.edits[0], "12");
    EXPECT_EQ(controls.settings.edits[1], kMissing); // beyond what is read
}

TEST(LoadConfigFileTest, RandomBytesLoadWithinTheRules) {
    // Fuzz-like: bytes biased towards the characters that steer the reader.
    std::mt19937 random(20261207);
    const std::string alphabet = "[]= \t\r\n\0;xTopLimitSensorParametersOutputType0x4-$"s;
    for (int round = 0; round < 2000; ++round) {
        std::string text = round % 2 == 0 ? kDefaultsFile : std::string();
        const std::size_t length = random() % 600;
        for (std::size_t i = 0; i < length; ++i) {
            text.insert(random() % (text.size() + 1), 1,
                        random() % 4 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()]);
        }
        PlainSettingsControls controls;
        LoadConfigText(text, controls);
        // The lists' indexes need no check here: the plain controls keep codes, as the
        // window's lists do (the fuzz target checks the indexes the reader sets).
        for (const std::string& edit : controls.settings.edits) {
            EXPECT_LE(edit.size(), 2047u);
            EXPECT_EQ(edit.find_first_of("\r\n"s + '\0'), std::string::npos);
        }
    }
}

} // namespace
} // namespace zeft
