#pragma once

#include "seams/SettingsControls.h"

#include <array>
#include <string>

namespace zeft {

// The settings controls as plain values, starting from the main window's initial values:
// the controls of the command-line tool, and of the tests, fuzz targets and benchmarks.
// The values are open, so that their owner can set them up and report them directly.
class PlainSettingsControls : public SettingsControls {
public:
    PlainSettingsControls();

    int OutputTypeIndex() const override { return outputTypeIndex; }
    void SetOutputTypeIndex(int index) override { outputTypeIndex = index; }
    int FluidTypeIndex() const override { return fluidTypeIndex; }
    void SetFluidTypeIndex(int index) override { fluidTypeIndex = index; }
    std::string EditText(SettingsEdit edit) const override;
    void SetEditText(SettingsEdit edit, const std::string& text) override;
    std::string ReplyText() const override { return replyText; }
    void SetReplyText(const std::string& text) override { replyText = text; }
    void AppendReplyText(const std::string& text) override { replyText += text; }
    void SetStatusText(const std::string& text) override { statusText = text; }
    void SetSettingsEnabled(bool enabled) override { settingsEnabled = enabled; }

    // Sets the six edits at once: top, bottom, A, B, C, D.
    void SetEdits(const std::array<std::string, 6>& texts) { edits = texts; }

    int outputTypeIndex = 0;
    int fluidTypeIndex = 0;
    std::array<std::string, 6> edits;
    std::string replyText;
    std::string statusText;
    bool settingsEnabled = true;
};

} // namespace zeft
