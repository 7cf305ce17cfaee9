#pragma once

#include "main/Prompts.h"

#include <cstdio>
#include <optional>
#include <string>

namespace zeft::cli {

// Message boxes as lines on standard error: "Error: TEXT", "Warning: TEXT",
// "Confirm: TEXT". A question is answered Yes when the user said so in advance (--yes),
// asked on the terminal when there is one, and answered No otherwise.
class ConsolePrompts : public Prompts {
public:
    enum class QuestionPolicy { AnswerYes, AskTerminal, AnswerNo };

    ConsolePrompts(std::FILE* messages, std::FILE* answers, QuestionPolicy policy);

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override;
    ConfirmAnswer Confirm(const std::string& text) override;
    void ShowApplicationError(const std::string& text) override;

    // The text of the last error or warning box, for the JSON report.
    const std::optional<std::string>& LastError() const { return lastError_; }

private:
    std::FILE* messages_;
    std::FILE* answers_;
    QuestionPolicy policy_;
    std::optional<std::string> lastError_;
};

} // namespace zeft::cli
