#pragma once

#include <string>

namespace zeft {

// The six edits of the sender settings, in the order the sender and the files list them.
enum class SettingsEdit { TopLimit, BottomLimit, LevelA, LevelB, LevelC, LevelD };

// The main window's settings controls as the core sees them. The controls are the one
// copy of the settings: the exchange engine, the configuration files and the calculators
// all read and write through this interface, and the window (or a test, or the
// command-line tool) supplies it.
class SettingsControls {
public:
    virtual ~SettingsControls() = default;

    // Selections of ComboBoxVoltage and ComboBoxFluid; kNoSelection for none.
    virtual int OutputTypeIndex() const = 0;
    virtual void SetOutputTypeIndex(int index) = 0;
    virtual int FluidTypeIndex() const = 0;
    virtual void SetFluidTypeIndex(int index) = 0;

    // Texts of EditTopLimit, EditBottomLimit and EditLinearA to EditLinearD, as typed.
    virtual std::string EditText(SettingsEdit edit) const = 0;
    virtual void SetEditText(SettingsEdit edit, const std::string& text) = 0;

    // Label9, the device reply display under "Current Settings:".
    virtual std::string ReplyText() const = 0;
    virtual void SetReplyText(const std::string& text) = 0;
    // Adds to the end of the reply display; controls that keep the text themselves do it
    // without copying what is already there.
    virtual void AppendReplyText(const std::string& text) { SetReplyText(ReplyText() + text); }

    // The first panel of the status bar.
    virtual void SetStatusText(const std::string& text) = 0;

    // Enables or disables the two lists and six edits together (EnableEdits/DisableEdits).
    virtual void SetSettingsEnabled(bool enabled) = 0;
};

} // namespace zeft
