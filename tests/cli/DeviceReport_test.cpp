#include "cli/DeviceReport.h"

#include "main/SenderSettings.h"

#include <gtest/gtest.h>

namespace zeft::cli {
namespace {

TEST(DeviceReportTest, TextListsStatusThenTheEightSettingsInFileOrder) {
    PlainSettingsControls controls;
    controls.SetStatusText("Device read successfully!");
    controls.SetOutputTypeIndex(3);
    controls.SetFluidTypeIndex(kNoSelection);
    controls.SetEditText(SettingsEdit::BottomLimit, "1500");
    EXPECT_EQ(DeviceReportText(controls), "Device read successfully!\n"
                                          "Output Type = 4 (Resistive 300 - 10R)\n"
                                          "Fluid Type = -1 (no selection)\n"
                                          "Top Limit = 10\n"
                                          "Bottom Limit = 1500\n"
                                          "Level A = 20\n"
                                          "Level B = 40\n"
                                          "Level C = 60\n"
                                          "Level D = 80\n");
}

TEST(DeviceReportTest, TextShowsTheSendersControlCharactersEscaped) {
    PlainSettingsControls controls;
    controls.SetStatusText("Device read successfully!");
    controls.SetEditText(SettingsEdit::LevelD, "8\x1b]0;owned\x07\x1b[2J0");
    const std::string text = DeviceReportText(controls);
    EXPECT_NE(text.find("Level D = 8\\x1b]0;owned\\x07\\x1b[2J0\n"), std::string::npos) << text;
}

TEST(DeviceReportTest, JsonCarriesCodesOrNullTextsAndTheReplyWithItsCarriageReturns) {
    PlainSettingsControls controls;
    controls.SetStatusText("Fail to program the device!");
    controls.SetOutputTypeIndex(kNoSelection);
    controls.SetFluidTypeIndex(2);
    controls.SetEditText(SettingsEdit::TopLimit, "010");
    controls.SetReplyText("KOV\r\nOutput \"Type\"\r");
    EXPECT_EQ(DeviceReportJson(controls, std::string("Fail to program the device! Check connection or battery!")),
              "{\"status\":\"Fail to program the device!\","
              "\"error\":\"Fail to program the device! Check connection or battery!\","
              "\"settings\":{\"Output Type\":null,\"Fluid Type\":2,\"Top Limit\":\"010\",\"Bottom Limit\":\"2000\","
              "\"Level A\":\"20\",\"Level B\":\"40\",\"Level C\":\"60\",\"Level D\":\"80\"},"
              "\"reply\":\"KOV\\r\\nOutput \\\"Type\\\"\\r\"}\n");
}

TEST(DeviceReportTest, JsonSurvivesBytesThatAreNotUtf8) {
    PlainSettingsControls controls;
    controls.SetReplyText(std::string("KOV\xff\xfe", 5));
    const std::string json = DeviceReportJson(controls, std::nullopt);
    EXPECT_NE(json.find("\"error\":null"), std::string::npos);
    EXPECT_NE(json.find("\"reply\":\"KOV"), std::string::npos);
}

} // namespace
} // namespace zeft::cli
