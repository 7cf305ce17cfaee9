#include "ui/ReplyDisplayText.h"

namespace zeft::ui {

void ReplyDisplayText::Clear() {
    shown_.clear();
    lines_ = 1;
    column_ = 0;
    afterCr_ = false;
}

bool ReplyDisplayText::Append(std::string_view bytes) {
    bool changed = false;
    for (const char c : bytes) {
        changed = Add(c) || changed;
    }
    return changed;
}

bool ReplyDisplayText::Add(char c) {
    const bool lfOfCrLf = c == '\n' && afterCr_;
    afterCr_ = c == '\r';
    if (lfOfCrLf) {
        return false;
    }
    if (c == '\r' || c == '\n') {
        if (lines_ >= maxLines_) {
            return false;
        }
        shown_ += '\n';
        ++lines_;
        column_ = 0;
        return true;
    }
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
        return false;
    }
    if (column_ >= maxColumns_) {
        return false;
    }
    shown_ += c;
    ++column_;
    return true;
}

} // namespace zeft::ui
