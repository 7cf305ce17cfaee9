#pragma once

#include "main/RecordedSettings.h"
#include "seams/SettingsControls.h"

#include <string>

namespace zeft {

// The settings controls as plain values, starting from the main window's initial values:
// the controls of the command-line tool, and of the tests, fuzz targets and benchmarks.
// The settings are held as the one settings value, so that a list index the lists do not
// have reads back as no selection, as it does from the window's lists. The values are
// open, so that their owner can set them up and report them directly.
class PlainSettingsControls : public SettingsControls {
public:
    int OutputTypeIndex() const override;
    void SetOutputTypeIndex(int index) override;
    int FluidTypeIndex() const override;
    void SetFluidTypeIndex(int index) override;
    std::string EditText(SettingsEdit edit) const override;
    void SetEditText(SettingsEdit edit, const std::string& text) override;
    std::string ReplyText() const override { return replyText; }
    void SetReplyText(const std::string& text) override { replyText = text; }
    void AppendReplyText(const std::string& text) override { replyText += text; }
    void SetStatusText(const std::string& text) override { statusText = text; }
    void SetSettingsEnabled(bool enabled) override { settingsEnabled = enabled; }

    RecordedSettings settings = InitialSettings();
    std::string replyText;
    std::string statusText;
    bool settingsEnabled = true;
};

} // namespace zeft
