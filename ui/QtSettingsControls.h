#pragma once

#include "seams/SettingsControls.h"
#include "ui/ReplyDisplayText.h"

#include <QTimer>

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zeft::ui {

// The main window's settings widgets as the core's settings controls. The reply display
// keeps its text as received (CR line ends included) and shows it with the line breaks,
// as much of it as its panel has room for. Appended characters reach the label together,
// a few times a second at most, however they were split into receive events.
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
    void AppendReplyText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetSettingsEnabled(bool enabled) override;

    // Shows the reply now rather than at the next turn of the event loop.
    void FlushReplyDisplay();

private:
    void FitDisplayToPanel();

    QComboBox& outputType_;
    QComboBox& fluidType_;
    std::array<QLineEdit*, 6> edits_;
    QLabel& replyLabel_;
    std::function<void(const std::string&)> setStatus_;
    std::string reply_;
    ReplyDisplayText shown_;
    QTimer labelUpdate_;
};

} // namespace zeft::ui
