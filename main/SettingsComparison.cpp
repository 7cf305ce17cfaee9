#include "main/SettingsComparison.h"

#include "base/NumberText.h"
#include "main/SenderSettings.h"
#include "main/SettingNames.h"
#include "seams/TextTranslation.h"

#include <optional>
#include <string_view>

namespace zeft {
namespace {

// A list's code as a file writes it; a code no item has is kept, so that it shows as what
// the file holds.
std::string CodeText(const std::optional<int>& code) {
    return std::to_string(code.value_or(kNoSelection));
}

SettingsComparisonRow CodeRow(std::string_view caption, const std::optional<int>& left,
                              const std::optional<int>& right) {
    return {std::string(caption), CodeText(left), CodeText(right), CodeText(left) == CodeText(right), {}};
}

SettingsComparisonRow TextRow(std::string_view caption, const std::string& left, const std::string& right) {
    const std::optional<std::int32_t> leftNumber = WholeInteger(left);
    const std::optional<std::int32_t> rightNumber = WholeInteger(right);
    const bool same = leftNumber && rightNumber ? *leftNumber == *rightNumber : left == right;
    // The text goes out as typed: "$14" is 20 here, but the sender is sent "$14".
    std::string note = same && left != right ? std::string(kSentAsTypedNote) + right : std::string();
    return {std::string(caption), left, right, same, std::move(note)};
}

constexpr std::size_t kOutputTypeRow = kOutputTypeSetting;
constexpr std::size_t kFluidTypeRow = kFluidTypeSetting;

std::string ItemText(int index, const auto& items) {
    return std::string(items[static_cast<std::size_t>(index)]);
}

} // namespace

SettingsComparison CompareSettings(const SettingsControls& left, const SettingsControls& right) {
    return CompareSettings(SettingsFromControls(left), SettingsFromControls(right));
}

SettingsComparison CompareSettings(const RecordedSettings& left, const RecordedSettings& right) {
    SettingsComparison comparison;
    comparison.rows[kOutputTypeRow] = CodeRow(kSettingNames[kOutputTypeRow].key, left.outputType, right.outputType);
    comparison.rows[kFluidTypeRow] = CodeRow(kSettingNames[kFluidTypeRow].key, left.fluidType, right.fluidType);
    for (std::size_t i = 0; i < left.edits.size(); ++i) {
        comparison.rows[kFirstEditSetting + i] =
            TextRow(kSettingNames[kFirstEditSetting + i].key, left.edits[i], right.edits[i]);
    }
    comparison.equal = true;
    for (const SettingsComparisonRow& row : comparison.rows) {
        comparison.equal = comparison.equal && row.same;
    }
    return comparison;
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
    if (code == kNoSelection) {
        return "(none selected)";
    }
    const int index = row == kOutputTypeRow ? OutputTypeIndexFromCode(code) : FluidTypeIndexFromCode(code);
    if (index == kNoSelection) {
        return value + " (no such code)";
    }
    return value + " (" +
           (row == kOutputTypeRow ? ItemText(index, kOutputTypeItems) : ItemText(index, kFluidTypeItems)) + ")";
}

} // namespace zeft
