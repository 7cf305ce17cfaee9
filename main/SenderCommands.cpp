#include "main/SenderCommands.h"

#include "main/SenderSettings.h"

#include <array>

namespace zeft {
namespace {

constexpr std::array<std::string_view, kSetCommandCount> kPrefixes = {"+SOT", "+SFT", "+STL", "+SBL",
                                                                      "+SLA", "+SLB", "+SLC", "+SLD"};

SettingsEdit EditOf(SetCommand command) {
    switch (command) {
    case SetCommand::TopLimit:
        return SettingsEdit::TopLimit;
    case SetCommand::BottomLimit:
        return SettingsEdit::BottomLimit;
    case SetCommand::LevelA:
        return SettingsEdit::LevelA;
    case SetCommand::LevelB:
        return SettingsEdit::LevelB;
    case SetCommand::LevelC:
        return SettingsEdit::LevelC;
    default:
        return SettingsEdit::LevelD;
    }
}

} // namespace

std::string_view SetCommandPrefix(SetCommand command) {
    return kPrefixes.at(static_cast<std::size_t>(command));
}

std::string BuildSetCommand(SetCommand command, std::string_view value) {
    std::string text(SetCommandPrefix(command));
    text.append(value);
    text.push_back('\r');
    return text;
}

std::string BuildSetCommandFromControls(SetCommand command, const SettingsControls& controls) {
    switch (command) {
    case SetCommand::OutputType:
        return BuildSetCommand(command, std::to_string(OutputTypeCodeFromIndex(controls.OutputTypeIndex())));
    case SetCommand::FluidType:
        return BuildSetCommand(command, std::to_string(FluidTypeCodeFromIndex(controls.FluidTypeIndex())));
    default:
        return BuildSetCommand(command, controls.EditText(EditOf(command)));
    }
}

void CopyCommandSetting(SetCommand command, const SettingsControls& from, SettingsControls& to) {
    switch (command) {
    case SetCommand::OutputType:
        to.SetOutputTypeIndex(from.OutputTypeIndex());
        return;
    case SetCommand::FluidType:
        to.SetFluidTypeIndex(from.FluidTypeIndex());
        return;
    default:
        to.SetEditText(EditOf(command), from.EditText(EditOf(command)));
        return;
    }
}

} // namespace zeft
