#pragma once

#include "main/PlainSettingsControls.h"

#include <cstdio>
#include <string>

namespace zeft::cli {

// The main window's settings controls without a window: plain values, starting from the
// window's initial values. When a progress stream is given (a terminal), status changes
// and the growing reply display are echoed to it as they happen.
class ConsoleControls : public PlainSettingsControls {
public:
    explicit ConsoleControls(std::FILE* progress = nullptr) : progress_(progress) {}

    void SetReplyText(const std::string& text) override;
    void AppendReplyText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;

private:
    void EchoReplyChange(const std::string& before, const std::string& after);

    std::FILE* progress_;
    bool replyLineOpen_ = false;
};

} // namespace zeft::cli
