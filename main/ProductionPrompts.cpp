#include "main/ProductionPrompts.h"

namespace zeft {

void ProductionPrompts::ShowError(const std::string& text) {
    if (inLoop_) {
        kept_ = text;
    } else {
        front_.ShowError(text);
    }
}

void ProductionPrompts::ShowWarning(const std::string& text) {
    if (inLoop_) {
        kept_ = text;
    } else {
        front_.ShowWarning(text);
    }
}

void ProductionPrompts::ShowWarningWithDetail(const std::string& text, const std::string& detail) {
    if (inLoop_) {
        kept_ = detail.empty() ? text : text + " " + detail;
    } else {
        front_.ShowWarningWithDetail(text, detail);
    }
}

ConfirmAnswer ProductionPrompts::Confirm(const std::string& text) {
    return inLoop_ ? ConfirmAnswer::Yes : front_.Confirm(text);
}

void ProductionPrompts::ShowApplicationError(const std::string& text) {
    if (inLoop_) {
        kept_ = text;
    } else {
        front_.ShowApplicationError(text);
    }
}

} // namespace zeft
