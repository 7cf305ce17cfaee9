#include "cli/ConsolePrompts.h"

#include "cli/VisibleText.h"

namespace zeft::cli {

ConsolePrompts::ConsolePrompts(std::FILE* messages, std::FILE* answers, QuestionPolicy policy)
    : messages_(messages), answers_(answers), policy_(policy) {}

void ConsolePrompts::ShowError(const std::string& text) {
    std::fprintf(messages_, "Error: %s\n", VisibleText(text).c_str());
    lastError_ = text;
}

void ConsolePrompts::ShowWarning(const std::string& text) {
    std::fprintf(messages_, "Warning: %s\n", VisibleText(text).c_str());
    lastError_ = text;
}

void ConsolePrompts::ShowWarningWithDetail(const std::string& text, const std::string& detail) {
    ShowWarning(text);
    if (!detail.empty()) {
        std::fprintf(messages_, "  %s\n", VisibleText(detail).c_str());
    }
}

void ConsolePrompts::ShowApplicationError(const std::string& text) {
    ShowError(text);
}

ConfirmAnswer ConsolePrompts::Confirm(const std::string& text) {
    // Program with --save checks the settings twice; the user hears the question once.
    const auto given = givenAnswers_.find(text);
    if (given != givenAnswers_.end()) {
        return given->second;
    }
    const ConfirmAnswer answer = Ask(text);
    givenAnswers_.emplace(text, answer);
    if (answer != ConfirmAnswer::Yes) {
        lastError_ = (policy_ == QuestionPolicy::AnswerNo ? "Answered No (no terminal to ask; --yes answers Yes): "
                                                          : "Answered No: ") +
                     text;
    }
    return answer;
}

ConfirmAnswer ConsolePrompts::Ask(const std::string& text) {
    const std::string shown = VisibleText(text);
    switch (policy_) {
    case QuestionPolicy::AnswerYes:
        std::fprintf(messages_, "Confirm: %s\n", shown.c_str());
        return ConfirmAnswer::Yes;
    case QuestionPolicy::AnswerNo:
        std::fprintf(messages_, "Confirm: %s\n", shown.c_str());
        return ConfirmAnswer::No;
    case QuestionPolicy::AskTerminal:
        break;
    }
    std::fprintf(messages_, "Confirm: %s [y/N] ", shown.c_str());
    std::fflush(messages_);
    int c = std::fgetc(answers_);
    const bool yes = c == 'y' || c == 'Y';
    while (c != EOF && c != '\n') {
        c = std::fgetc(answers_);
    }
    return yes ? ConfirmAnswer::Yes : ConfirmAnswer::No;
}

} // namespace zeft::cli
