#pragma once

#include "main/SettingsControls.h"

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zeft::ui {

// The main window's settings widgets as the core's settings controls. The reply display
// keeps its text as received (CR line ends included) and shows it with the line breaks.
class QtSettingsControls : public SettingsControls {
public:
    QtSettingsControls(QComboBox& outputType, QComboBox& fluidType, const std::array<QLineEdit*, 6>& edits,
                       QLabel& reply, std::function<void(const std::string&)> setStatus);

    int OutputTypeIndex() const override;
    void SetOutputTypeIndex(int index) override;
    int FluidTypeIndex() const override;
    void SetFluidTypeIndex(int index) override;
    std::string EditText(SettingsEdit edit) const override;
    void SetEditText(SettingsEdit edit, const std::string& text) override;
    std::string ReplyText() const override { return reply_; }
    void SetReplyText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetSettingsEnabled(bool enabled) override;

    // The text a label shows for a reply: CR, LF and CR LF end lines.
    static std::string DisplayText(const std::string& reply);

private:
    QComboBox& outputType_;
    QComboBox& fluidType_;
    std::array<QLineEdit*, 6> edits_;
    QLabel& replyLabel_;
    std::function<void(const std::string&)> setStatus_;
    std::string reply_;
};

} // namespace zeft::ui
