#include "main/SettingsComparison.h"

#include "main/NumberText.h"
#include "main/SenderSettings.h"

#include <optional>
#include <string_view>

namespace zeft {
namespace {

struct EditCaption {
    SettingsEdit edit;
    std::string_view caption;
};

constexpr std::array<EditCaption, 6> kEdits = {{
    {SettingsEdit::TopLimit, "Top Limit"},
    {SettingsEdit::BottomLimit, "Bottom Limit"},
    {SettingsEdit::LevelA, "Level A"},
    {SettingsEdit::LevelB, "Level B"},
    {SettingsEdit::LevelC, "Level C"},
    {SettingsEdit::LevelD, "Level D"},
}};

SettingsComparisonRow CodeRow(std::string_view caption, int left, int right) {
    return {std::string(caption), std::to_string(left), std::to_string(right), left == right};
}

SettingsComparisonRow TextRow(std::string_view caption, const std::string& left, const std::string& right) {
    const std::optional<std::int32_t> leftNumber = WholeInteger(left);
    const std::optional<std::int32_t> rightNumber = WholeInteger(right);
    const bool same = leftNumber && rightNumber ? *leftNumber == *rightNumber : left == right;
    return {std::string(caption), left, right, same};
}

} // namespace

SettingsComparison CompareSettings(const SettingsControls& left, const SettingsControls& right) {
    SettingsComparison comparison;
    comparison.rows[0] = CodeRow("Output Type", OutputTypeCodeFromIndex(left.OutputTypeIndex()),
                                 OutputTypeCodeFromIndex(right.OutputTypeIndex()));
    comparison.rows[1] = CodeRow("Fluid Type", FluidTypeCodeFromIndex(left.FluidTypeIndex()),
                                 FluidTypeCodeFromIndex(right.FluidTypeIndex()));
    for (std::size_t i = 0; i < kEdits.size(); ++i) {
        comparison.rows[2 + i] =
            TextRow(kEdits[i].caption, left.EditText(kEdits[i].edit), right.EditText(kEdits[i].edit));
    }
    comparison.equal = true;
    for (const SettingsComparisonRow& row : comparison.rows) {
        comparison.equal = comparison.equal && row.same;
    }
    return comparison;
}

} // namespace zeft
