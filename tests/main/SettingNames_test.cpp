#include "main/SettingNames.h"

#include "main/ConfigFile.h"
#include "main/HistoryFilter.h"
#include "main/HistoryRecord.h"
#include "main/PlainSettingsControls.h"
#include "main/SettingsComparison.h"
#include "main/SetupSheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zeft {
namespace {

// Changes one setting from the defaults; the names must then point at that setting
// everywhere, never at a neighbour.
struct NamedSetting {
    std::function<void(PlainSettingsControls&)> change;
    std::string key;        // .zcf, history JSON, CSV, comparison
    std::string section;    // .zcf section
    std::string fileValue;  // as the .zcf and the JSON write it
    std::string sheetName;  // setup sheet row
    std::string sheetValue; // setup sheet value
};

std::string SheetValue(const SetupSheetContent& sheet, const std::string& name) {
    for (const SetupSheetRow& row : sheet.sections.at(1).rows) {
        if (row.name == name) {
            return row.value;
        }
    }
    return "<missing>";
}

// The fields of a CSV of two lines without quoted fields, one after the other.
std::vector<std::string> Fields(const std::string& csv) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < csv.size(); ++i) {
        if (csv[i] == ',' || (csv[i] == '\r' && i + 2 < csv.size())) {
            fields.emplace_back();
        } else if (csv[i] != '\r' && csv[i] != '\n') {
            fields.back() += csv[i];
        }
    }
    return fields;
}

// The .zcf section a key's line stands in.
std::string SectionOf(const std::string& text, const std::string& line) {
    const std::size_t at = text.find(line);
    if (at == std::string::npos) {
        return "<missing>";
    }
    const std::size_t open = text.rfind('[', at);
    return text.substr(open + 1, text.find(']', open) - open - 1);
}

TEST(SettingNamesTest, EachSettingHasItsOwnNameInFileHistoryComparisonAndSheet) {
    const auto edit = [](SettingsEdit e, const char* text) {
        return [e, text](PlainSettingsControls& c) { c.SetEditText(e, text); };
    };
    const std::vector<NamedSetting> settings = {
        {[](PlainSettingsControls& c) { c.SetOutputTypeIndex(3); }, "Output Type", "Sensor Parameters", "4",
         "Output Type", "Resistive 300 - 10R"},
        {[](PlainSettingsControls& c) { c.SetFluidTypeIndex(2); }, "Fluid Type", "Sensor Parameters", "2", "Fluid Type",
         "Diesel"},
        {edit(SettingsEdit::TopLimit, "11"), "Top Limit", "Sensor Parameters", "11", "Top Limit (Millimetre)", "11"},
        {edit(SettingsEdit::BottomLimit, "1999"), "Bottom Limit", "Sensor Parameters", "1999",
         "Bottom Limit (Millimetre)", "1999"},
        {edit(SettingsEdit::LevelA, "21"), "Level A", "Tank Linearization Parameters", "21",
         "Level A = 20% of Tank Level", "21 %"},
        {edit(SettingsEdit::LevelB, "41"), "Level B", "Tank Linearization Parameters", "41",
         "Level B = 40% of Tank Level", "41 %"},
        {edit(SettingsEdit::LevelC, "61"), "Level C", "Tank Linearization Parameters", "61",
         "Level C = 60% of Tank Level", "61 %"},
        {edit(SettingsEdit::LevelD, "81"), "Level D", "Tank Linearization Parameters", "81",
         "Level D = 80% of Tank Level", "81 %"},
    };
    const PlainSettingsControls defaults;
    for (const NamedSetting& s : settings) {
        SCOPED_TRACE(s.key);
        PlainSettingsControls changed;
        s.change(changed);

        const std::string file = ConfigFileText(changed);
        const std::string line = "\r\n" + s.key + " = " + s.fileValue + "\r\n";
        EXPECT_EQ(SectionOf(file, line), s.section) << file;

        HistoryRecord record;
        record.settings = SettingsFromControls(changed);
        const std::string json = HistoryRecordJson(record);
        const std::string member = "\"" + s.key + "\":";
        const bool list = s.key.ends_with("Type"); // a list's code is a number, an edit's a text
        const std::string value = list ? s.fileValue : "\"" + s.fileValue + "\"";
        EXPECT_NE(json.find("\"settings\":{"), std::string::npos);
        EXPECT_NE(json.find(member + value), std::string::npos) << json;
        EXPECT_EQ(HistoryRecordFromJson(json)->settings, record.settings);

        const SettingsComparison comparison = CompareSettings(defaults, changed);
        std::vector<std::string> differing;
        for (const SettingsComparisonRow& row : comparison.rows) {
            if (!row.same) {
                differing.push_back(row.setting + "=" + row.right);
            }
        }
        EXPECT_EQ(differing, std::vector<std::string>{s.key + "=" + s.fileValue});

        const SetupSheetPort port{"PORT", true, 9600, 8, 0, 1, ""};
        EXPECT_EQ(SheetValue(BuildSetupSheet(changed, port, "now", std::nullopt), s.sheetName), s.sheetValue);

        record.sent = record.settings;
        const std::vector<std::string> csv = Fields(HistoryCsv({record}));
        const std::size_t columns = csv.size() / 2;
        std::vector<std::string> reported;
        for (std::size_t i = 0; i < columns; ++i) {
            if (csv[i] == "Sent " + s.key || csv[i] == "Reported " + s.key) {
                reported.push_back(csv[columns + i]);
            }
        }
        EXPECT_EQ(reported, std::vector<std::string>(2, s.fileValue));
    }
}

} // namespace
} // namespace zeft
