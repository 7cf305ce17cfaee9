#include "main/SettingsComparison.h"

#include "main/NumberText.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"
#include "main/TextTranslation.h"

#include <optional>
#include <string_view>

namespace zeft {
namespace {

struct EditCaption {
    SettingsEdit edit;
    std::string_view caption;
};

constexpr std::array<EditCaption, 6> kEdits = {{
    {SettingsEdit::TopLimit, ZEFT_TEXT("Core", "Top Limit")},
    {SettingsEdit::BottomLimit, ZEFT_TEXT("Core", "Bottom Limit")},
    {SettingsEdit::LevelA, ZEFT_TEXT("Core", "Level A")},
    {SettingsEdit::LevelB, ZEFT_TEXT("Core", "Level B")},
    {SettingsEdit::LevelC, ZEFT_TEXT("Core", "Level C")},
    {SettingsEdit::LevelD, ZEFT_TEXT("Core", "Level D")},
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

constexpr std::size_t kOutputTypeRow = 0;
constexpr std::size_t kFluidTypeRow = 1;

std::string ItemText(int index, const auto& items) {
    return std::string(items[static_cast<std::size_t>(index)]);
}

} // namespace

SettingsComparison CompareSettings(const SettingsControls& left, const SettingsControls& right) {
    SettingsComparison comparison;
    comparison.rows[kOutputTypeRow] =
        CodeRow(ZEFT_TEXT("Core", "Output Type"), OutputTypeCodeFromIndex(left.OutputTypeIndex()),
                OutputTypeCodeFromIndex(right.OutputTypeIndex()));
    comparison.rows[kFluidTypeRow] =
        CodeRow(ZEFT_TEXT("Core", "Fluid Type"), FluidTypeCodeFromIndex(left.FluidTypeIndex()),
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

SettingsComparison CompareSettings(const RecordedSettings& left, const RecordedSettings& right) {
    PlainSettingsControls leftControls;
    PlainSettingsControls rightControls;
    PutSettingsIntoControls(left, leftControls);
    PutSettingsIntoControls(right, rightControls);
    return CompareSettings(leftControls, rightControls);
}

std::size_t DifferingRows(const SettingsComparison& comparison) {
    std::size_t count = 0;
    for (const SettingsComparisonRow& row : comparison.rows) {
        count += row.same ? 0 : 1;
    }
    return count;
}

std::string ShownComparisonValue(std::size_t row, const std::string& value) {
    if (row != kOutputTypeRow && row != kFluidTypeRow) {
        return value;
    }
    const int code = IntegerFromText(value, kNoSelection);
    const int index = row == kOutputTypeRow ? OutputTypeIndexFromCode(code) : FluidTypeIndexFromCode(code);
    if (index == kNoSelection) {
        return "(none selected)";
    }
    return value + " (" +
           (row == kOutputTypeRow ? ItemText(index, kOutputTypeItems) : ItemText(index, kFluidTypeItems)) + ")";
}

} // namespace zeft
