#include "main/SenderCommands.h"

#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft {
namespace {

std::vector<std::string> AllSetCommands(const PlainSettingsControls& controls) {
    std::vector<std::string> commands;
    for (int step = 0; step < kSetCommandCount; ++step) {
        commands.push_back(BuildSetCommandFromControls(static_cast<SetCommand>(step), controls));
    }
    return commands;
}

TEST(SenderCommandsTest, FixedCommandsAreExactBytes) {
    EXPECT_EQ(kRequestListingCommand, "++++");
    EXPECT_EQ(kRestoreDefaultsCommand, std::string("+RST\x0D"));
}

TEST(SenderCommandsTest, DefaultSettingsGiveTheEightCommandsInOrder) {
    const PlainSettingsControls controls;
    const std::vector<std::string> expected = {"+SOT0\r",  "+SFT0\r",  "+STL10\r", "+SBL2000\r",
                                               "+SLA20\r", "+SLB40\r", "+SLC60\r", "+SLD80\r"};
    EXPECT_EQ(AllSetCommands(controls), expected);
}

TEST(SenderCommandsTest, CodesFollowTheTablesAndTextsGoOutAsTyped) {
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(3);
    controls.SetFluidTypeIndex(2);
    controls.settings.edits = {"010", " 1500", "$14", "+40", "60", "80"};
    const std::vector<std::string> expected = {"+SOT4\r",   "+SFT2\r",   "+STL010\r", "+SBL 1500\r",
                                               "+SLA$14\r", "+SLB+40\r", "+SLC60\r",  "+SLD80\r"};
    EXPECT_EQ(AllSetCommands(controls), expected);
}

} // namespace
} // namespace zeft
