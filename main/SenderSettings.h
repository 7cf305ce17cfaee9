#pragma once

#include "seams/TextTranslation.h"
#include <array>
#include <cstdint>
#include <string_view>

namespace zeft {

// A list with nothing selected, as after the sender reported an unknown code.
inline constexpr int kNoSelection = -1;

// The items of the output-type list, in list order. Index 3 has code 4: the sender
// never used code 3.
inline constexpr std::array<std::string_view, 4> kOutputTypeItems = {
    ZEFT_TEXT("Core", "Voltage 0 - 5V"), ZEFT_TEXT("Core", "Resistive 240 - 33R"),
    ZEFT_TEXT("Core", "Resistive 10 - 180R"), ZEFT_TEXT("Core", "Resistive 300 - 10R")};

inline constexpr std::array<std::string_view, 4> kFluidTypeItems = {
    ZEFT_TEXT("Core", "Water"), ZEFT_TEXT("Core", "Petrol"), ZEFT_TEXT("Core", "Diesel"), ZEFT_TEXT("Core", "Waste")};

// Defaults of the six edits, as the main window starts with them.
inline constexpr std::string_view kDefaultTopLimit = "10";
inline constexpr std::string_view kDefaultBottomLimit = "2000";
inline constexpr std::array<std::string_view, 4> kDefaultLevels = {"20", "40", "60", "80"};

// Defaults given to an unreadable number, chosen outside each field's range so that the
// range check rejects it with the field's own message.
inline constexpr std::int32_t kUnreadableLimit = 2001;
inline constexpr std::int32_t kUnreadableLevel = 101;

// Wire and file code of an output-type list index; kNoSelection for no selection.
int OutputTypeCodeFromIndex(int index);
// List index for an output-type code; kNoSelection for a code the list does not know.
int OutputTypeIndexFromCode(int code);

int FluidTypeCodeFromIndex(int index);
int FluidTypeIndexFromCode(int code);

} // namespace zeft
