#include "main/SettingsValidator.h"

#include "base/NumberText.h"
#include "main/SenderSettings.h"
#include "seams/TextTranslation.h"

#include <array>
#include <cstdint>
#include <string>

namespace zeft {
namespace {

struct LevelMessages {
    SettingsEdit edit;
    const char* range;
    const char* orderAfterPrevious; // nullptr for level A
};

constexpr std::array<LevelMessages, 4> kLevels = {{
    {SettingsEdit::LevelA,
     ZEFT_TEXT("Core", "Invalid data in Set Level A! Level A must be an integer, >= 0 and <= 100!"), nullptr},
    {SettingsEdit::LevelB,
     ZEFT_TEXT("Core", "Invalid data in Set Level B! Level B must be an integer, >= 0 and <= 100!"),
     ZEFT_TEXT("Core", "Level A cannot be equal or greater than Level B!")},
    {SettingsEdit::LevelC,
     ZEFT_TEXT("Core", "Invalid data in Set Level C! Level C must be an integer, >= 0 and <= 100!"),
     ZEFT_TEXT("Core", "Level B cannot be equal or greater than Level C!")},
    {SettingsEdit::LevelD,
     ZEFT_TEXT("Core", "Invalid data in Set Level D! Level D must be an integer, >= 0 and <= 100!"),
     ZEFT_TEXT("Core", "Level C cannot be equal or greater than Level D!")},
}};

bool Fail(Prompts& prompts, const char* message) {
    prompts.ShowError(message);
    return false;
}

} // namespace

bool ValidateSettings(SettingsControls& controls, Prompts& prompts) {
    const std::string topText = controls.EditText(SettingsEdit::TopLimit);
    const std::int32_t top = IntegerFromText(topText, kUnreadableLimit);
    if (top < 10 || top > 1000) {
        return Fail(
            prompts,
            ZEFT_TEXT("Core", "Invalid data in Set Top Limit! Top Limit must be an integer, >= 10 and <= 1000!"));
    }
    if (top != 10) {
        const std::string question =
            FillPlaceholders(TranslatedText("Core", "The top limit should be 10mm except where tank sender spacer is "
                                                    "used. Are you sure to set it to %1mm?"),
                             {topText});
        if (prompts.Confirm(question) == ConfirmAnswer::No) {
            controls.SetStatusText("");
            controls.SetReplyText("");
            return false;
        }
    }

    const std::int32_t bottom = IntegerFromText(controls.EditText(SettingsEdit::BottomLimit), kUnreadableLimit);
    if (bottom < 100 || bottom > 2000) {
        return Fail(
            prompts,
            ZEFT_TEXT("Core",
                      "Invalid data in Set Bottom Limit! Bottom Limit must be an integer, >= 100 and <= 2000!"));
    }
    if (bottom <= top) {
        return Fail(prompts, ZEFT_TEXT("Core", "Top Limit cannot be equal or greater than Bottom Limit!"));
    }

    std::int32_t previous = 0;
    for (const LevelMessages& level : kLevels) {
        const std::int32_t value = IntegerFromText(controls.EditText(level.edit), kUnreadableLevel);
        if (value < 0 || value > 100) {
            return Fail(prompts, level.range);
        }
        if (level.orderAfterPrevious != nullptr && value <= previous) {
            return Fail(prompts, level.orderAfterPrevious);
        }
        previous = value;
    }
    return true;
}

} // namespace zeft
