#pragma once

#include "seams/SettingsControls.h"
#include "seams/TextTranslation.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zeft {

// The names of one of the eight sender settings, each form where it is used. The English
// texts are what files, reports and scripts read; windows translate them in context "Core".
struct SettingNames {
    std::string_view key;      // .zcf key, history and report JSON key, comparison row: "Top Limit"
    std::string_view section;  // the .zcf section that holds the key
    std::string_view withUnit; // the history window's row: "Top Limit (Millimetre)", "Level A"
    std::string_view sheet;    // the setup sheet's row: "Level A = 20% of Tank Level"
};

inline constexpr std::string_view kSensorSection = "Sensor Parameters";
inline constexpr std::string_view kTankSection = "Tank Linearization Parameters";

// The eight settings in the main window's order: the two lists, then the six edits in
// the order of SettingsEdit.
inline constexpr std::array<SettingNames, 8> kSettingNames = {{
    {ZEFT_TEXT("Core", "Output Type"), kSensorSection, ZEFT_TEXT("Core", "Output Type"),
     ZEFT_TEXT("Core", "Output Type")},
    {ZEFT_TEXT("Core", "Fluid Type"), kSensorSection, ZEFT_TEXT("Core", "Fluid Type"), ZEFT_TEXT("Core", "Fluid Type")},
    {ZEFT_TEXT("Core", "Top Limit"), kSensorSection, ZEFT_TEXT("Core", "Top Limit (Millimetre)"),
     ZEFT_TEXT("Core", "Top Limit (Millimetre)")},
    {ZEFT_TEXT("Core", "Bottom Limit"), kSensorSection, ZEFT_TEXT("Core", "Bottom Limit (Millimetre)"),
     ZEFT_TEXT("Core", "Bottom Limit (Millimetre)")},
    {ZEFT_TEXT("Core", "Level A"), kTankSection, ZEFT_TEXT("Core", "Level A"),
     ZEFT_TEXT("Core", "Level A = 20% of Tank Level")},
    {ZEFT_TEXT("Core", "Level B"), kTankSection, ZEFT_TEXT("Core", "Level B"),
     ZEFT_TEXT("Core", "Level B = 40% of Tank Level")},
    {ZEFT_TEXT("Core", "Level C"), kTankSection, ZEFT_TEXT("Core", "Level C"),
     ZEFT_TEXT("Core", "Level C = 60% of Tank Level")},
    {ZEFT_TEXT("Core", "Level D"), kTankSection, ZEFT_TEXT("Core", "Level D"),
     ZEFT_TEXT("Core", "Level D = 80% of Tank Level")},
}};

inline constexpr std::size_t kOutputTypeSetting = 0;
inline constexpr std::size_t kFluidTypeSetting = 1;
inline constexpr std::size_t kFirstEditSetting = 2;

// The six edits in their order, each at kFirstEditSetting + its index.
inline constexpr std::array<SettingsEdit, 6> kSettingsEdits = {SettingsEdit::TopLimit, SettingsEdit::BottomLimit,
                                                               SettingsEdit::LevelA,   SettingsEdit::LevelB,
                                                               SettingsEdit::LevelC,   SettingsEdit::LevelD};

constexpr const SettingNames& NamesOf(SettingsEdit edit) {
    return kSettingNames[kFirstEditSetting + static_cast<std::size_t>(edit)];
}

} // namespace zeft
