#include "cli/ConsoleControls.h"

#include "cli/VisibleText.h"

#include <algorithm>

namespace zeft::cli {
namespace {

// The reply display shows CR as a line break; a terminal needs LF for that. Anything else
// the sender sends is shown, never obeyed.
void WriteReplyText(std::FILE* out, std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::fputs(VisibleText(text).c_str(), out);
}

} // namespace

void ConsoleControls::SetReplyText(const std::string& text) {
    const std::string before = replyText;
    replyText = text;
    if (progress_ != nullptr) {
        EchoReplyChange(before, text);
    }
}

void ConsoleControls::AppendReplyText(const std::string& text) {
    replyText += text;
    if (progress_ != nullptr && !text.empty()) {
        WriteReplyText(progress_, text);
        replyLineOpen_ = text.back() != '\r' && text.back() != '\n';
        std::fflush(progress_);
    }
}

void ConsoleControls::SetStatusText(const std::string& text) {
    if (progress_ != nullptr && !text.empty() && text != statusText) {
        if (replyLineOpen_) {
            std::fputc('\n', progress_);
            replyLineOpen_ = false;
        }
        std::fprintf(progress_, "%s\n", VisibleText(text).c_str());
        std::fflush(progress_);
    }
    statusText = text;
}

// The reply display mostly grows a character at a time: echo what was appended, and start
// a fresh line when it was replaced by something else.
void ConsoleControls::EchoReplyChange(const std::string& before, const std::string& after) {
    if (after.empty()) {
        return;
    }
    if (after.size() >= before.size() && after.compare(0, before.size(), before) == 0) {
        WriteReplyText(progress_, after.substr(before.size()));
    } else {
        if (replyLineOpen_) {
            std::fputc('\n', progress_);
        }
        WriteReplyText(progress_, after);
    }
    replyLineOpen_ = after.back() != '\r' && after.back() != '\n';
    std::fflush(progress_);
}

} // namespace zeft::cli
