#pragma once

#include "main/SettingsControls.h"

#include <array>
#include <cstdio>
#include <string>

namespace zeft::cli {

// The main window's settings controls without a window: the values the window would
// hold, starting from its initial values. When a progress stream is given (a terminal),
// status changes and the growing reply display are echoed to it as they happen.
class ConsoleControls : public SettingsControls {
public:
    explicit ConsoleControls(std::FILE* progress = nullptr);

    int OutputTypeIndex() const override { return outputTypeIndex_; }
    void SetOutputTypeIndex(int index) override { outputTypeIndex_ = index; }
    int FluidTypeIndex() const override { return fluidTypeIndex_; }
    void SetFluidTypeIndex(int index) override { fluidTypeIndex_ = index; }
    std::string EditText(SettingsEdit edit) const override;
    void SetEditText(SettingsEdit edit, const std::string& text) override;
    std::string ReplyText() const override { return replyText_; }
    void SetReplyText(const std::string& text) override;
    void AppendReplyText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetSettingsEnabled(bool enabled) override { settingsEnabled_ = enabled; }

    const std::string& StatusText() const { return statusText_; }
    bool SettingsEnabled() const { return settingsEnabled_; }

private:
    void EchoReplyChange(const std::string& before, const std::string& after);

    std::FILE* progress_;
    int outputTypeIndex_ = 0;
    int fluidTypeIndex_ = 0;
    std::array<std::string, 6> edits_;
    std::string replyText_;
    std::string statusText_;
    bool settingsEnabled_ = true;
    bool replyLineOpen_ = false;
};

} // namespace zeft::cli
