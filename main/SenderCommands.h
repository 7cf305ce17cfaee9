#pragma once

#include "seams/SettingsControls.h"

#include <string>
#include <string_view>

namespace zeft {

// The commands the program sends to the sender, byte for byte. "++++" has no terminator;
// every other command ends in CR alone. Values go out exactly as the user typed them.
inline constexpr std::string_view kRequestListingCommand = "++++";
inline constexpr std::string_view kRestoreDefaultsCommand = "+RST\r";

// The eight set commands, in the order Program Device sends them.
enum class SetCommand { OutputType, FluidType, TopLimit, BottomLimit, LevelA, LevelB, LevelC, LevelD };
inline constexpr int kSetCommandCount = 8;

// The prefix of a set command, such as "+SOT" or "+SLD".
std::string_view SetCommandPrefix(SetCommand command);

// prefix + value + CR; value is a code in decimal or an edit text as typed.
std::string BuildSetCommand(SetCommand command, std::string_view value);

// The set command for one step, with its value taken from the controls as they are now:
// list codes by the code tables, edit texts unchanged.
std::string BuildSetCommandFromControls(SetCommand command, const SettingsControls& controls);

// Copies the one setting a set command carries from one set of controls to another.
void CopyCommandSetting(SetCommand command, const SettingsControls& from, SettingsControls& to);

} // namespace zeft
