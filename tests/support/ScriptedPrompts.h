#pragma once

#include "seams/Prompts.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
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

    void ShowError(const std::string& text) override { Record({Kind::Error, text, {}}); }
    void ShowWarning(const std::string& text) override { Record({Kind::Warning, text, {}}); }
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override {
        Record({Kind::Warning, text, detail});
    }
    ConfirmAnswer Confirm(const std::string& text) override;
    void ShowApplicationError(const std::string& text) override { Record({Kind::ApplicationError, text, {}}); }

    void Answer(ConfirmAnswer answer) { answers.push_back(answer); }

    std::vector<Shown> shown;
    std::deque<ConfirmAnswer> answers;
    // Runs while each box is up, where a real box runs its own event loop.
    std::function<void()> whileShown;

private:
    void Record(Shown box) {
        shown.push_back(std::move(box));
        if (whileShown) {
            whileShown();
        }
    }
};

} // namespace zeft::testing
