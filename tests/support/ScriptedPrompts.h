#pragma once

#include "main/Prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace zeft::testing {

// Records every box the code under test shows and answers confirmations from a script.
// A confirmation with no scripted answer fails the test: an unexpected question is a fault.
class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Error, Warning, Confirm, ApplicationError };
    struct Shown {
        Kind kind;
        std::string text;
        std::string detail;
    };

    void ShowError(const std::string& text) override { shown.push_back({Kind::Error, text, {}}); }
    void ShowWarning(const std::string& text) override { shown.push_back({Kind::Warning, text, {}}); }
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override {
        shown.push_back({Kind::Warning, text, detail});
    }
    ConfirmAnswer Confirm(const std::string& text) override;
    void ShowApplicationError(const std::string& text) override { shown.push_back({Kind::ApplicationError, text, {}}); }

    void Answer(ConfirmAnswer answer) { answers.push_back(answer); }

    std::vector<Shown> shown;
    std::deque<ConfirmAnswer> answers;
};

} // namespace zeft::testing
