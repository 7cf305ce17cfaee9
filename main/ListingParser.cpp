#include "main/ListingParser.h"

#include "base/NumberText.h"
#include "main/SenderSettings.h"

#include <array>
#include <cstddef>

namespace zeft {
namespace {

struct FieldRule {
    char keyLetter;         // '\0' for a level that follows the previous comma
    std::int32_t skipLimit; // label characters counted before the one that starts the value
    char terminator;
};

// The skip limits are the label lengths less the key letter, less the final character
// that switches to collecting: "Output Type = " skips 13 characters after the "O".
constexpr std::array<FieldRule, 8> kRules = {{
    {'O', 12, ' '},
    {'F', 11, ' '},
    {'T', 10, '\r'},
    {'B', 13, '\r'},
    {'L', 14, ','},
    {'\0', 0, ','},
    {'\0', 0, ','},
    {'\0', 0, ','},
}};

const FieldRule& RuleOf(ListingField field) {
    return kRules.at(static_cast<std::size_t>(field));
}

// A type code that is not a number is treated like an unknown code: no selection.
constexpr std::int32_t kUnreadableCode = -1;

} // namespace

void ListingParser::Start() {
    field_ = ListingField::OutputType;
    phase_ = Phase::Seek;
    skipCount_ = 0;
    fieldText_.clear();
}

bool ListingParser::Feed(char c, SettingsControls& controls) {
    if (field_ == ListingField::Complete) {
        return false;
    }
    const FieldRule& rule = RuleOf(field_);
    switch (phase_) {
    case Phase::Seek:
        if (c == rule.keyLetter) {
            skipCount_ = 0;
            phase_ = Phase::Skip;
        }
        return false;
    case Phase::Skip:
        if (skipCount_ < rule.skipLimit) {
            ++skipCount_;
        } else {
            fieldText_.clear();
            phase_ = Phase::Collect;
        }
        return false;
    case Phase::Collect:
        if (c != rule.terminator) {
            fieldText_.push_back(c);
            return false;
        }
        StoreField(controls);
        Advance();
        return field_ == ListingField::Complete;
    }
    return false;
}

void ListingParser::StoreField(SettingsControls& controls) {
    switch (field_) {
    case ListingField::OutputType:
        controls.SetOutputTypeIndex(OutputTypeIndexFromCode(IntegerFromText(fieldText_, kUnreadableCode)));
        break;
    case ListingField::FluidType:
        controls.SetFluidTypeIndex(FluidTypeIndexFromCode(IntegerFromText(fieldText_, kUnreadableCode)));
        break;
    case ListingField::TopLimit:
        controls.SetEditText(SettingsEdit::TopLimit, fieldText_);
        break;
    case ListingField::BottomLimit:
        controls.SetEditText(SettingsEdit::BottomLimit, fieldText_);
        break;
    case ListingField::LevelA:
        controls.SetEditText(SettingsEdit::LevelA, fieldText_);
        break;
    case ListingField::LevelB:
        controls.SetEditText(SettingsEdit::LevelB, fieldText_);
        break;
    case ListingField::LevelC:
        controls.SetEditText(SettingsEdit::LevelC, fieldText_);
        break;
    case ListingField::LevelD:
        controls.SetEditText(SettingsEdit::LevelD, fieldText_);
        break;
    case ListingField::Complete:
        break;
    }
}

void ListingParser::Advance() {
    field_ = static_cast<ListingField>(static_cast<int>(field_) + 1);
    skipCount_ = 0;
    if (field_ == ListingField::Complete) {
        phase_ = Phase::Seek;
        return;
    }
    // Levels B to D have no key letter: the character after the comma is skipped.
    phase_ = RuleOf(field_).keyLetter == '\0' ? Phase::Skip : Phase::Seek;
}

} // namespace zeft
