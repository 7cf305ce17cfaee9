#pragma once

#include "seams/Prompts.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace zeft::cli {

// Message boxes as lines on standard error: "Error: TEXT", "Warning: TEXT",
// "Confirm: TEXT", control characters escaped. A question is answered Yes when the user
// said so in advance (--yes), asked on the terminal when there is one, and answered No
// otherwise; the same question again takes the first answer without asking.
class ConsolePrompts : public Prompts {
public:
    enum class QuestionPolicy { AnswerYes, AskTerminal, AnswerNo };

    ConsolePrompts(std::FILE* messages, std::FILE* answers, QuestionPolicy policy);

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override;
    ConfirmAnswer Confirm(const std::string& text) override;
    void ShowApplicationError(const std::string& text) override;

    // The text of the last error or warning box, or of the question answered No, for the
    // JSON report.
    const std::optional<std::string>& LastError() const { return lastError_; }

private:
    ConfirmAnswer Ask(const std::string& text);

    std::FILE* messages_;
    std::FILE* answers_;
    QuestionPolicy policy_;
    std::optional<std::string> lastError_;
    std::map<std::string, ConfirmAnswer> givenAnswers_;
};

} // namespace zeft::cli
