#include "cli/ConsolePrompts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace zeft::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

File FileWith(const std::string& text) {
    File file(std::tmpfile());
    std::fputs(text.c_str(), file.get());
    std::rewind(file.get());
    return file;
}

struct QuestionCase {
    ConsolePrompts::QuestionPolicy policy;
    std::string typed;
    ConfirmAnswer expected;
};

TEST(ConsolePromptsTest, QuestionsFollowThePolicyAndTheTypedAnswer) {
    using Policy = ConsolePrompts::QuestionPolicy;
    const QuestionCase cases[] = {
        {Policy::AnswerYes, "", ConfirmAnswer::Yes},      {Policy::AnswerNo, "y\n", ConfirmAnswer::No},
        {Policy::AskTerminal, "y\n", ConfirmAnswer::Yes}, {Policy::AskTerminal, "Yes\n", ConfirmAnswer::Yes},
        {Policy::AskTerminal, "n\n", ConfirmAnswer::No},  {Policy::AskTerminal, "\n", ConfirmAnswer::No},
        {Policy::AskTerminal, "", ConfirmAnswer::No}, // end of input
    };
    for (const QuestionCase& c : cases) {
        File messages(std::tmpfile());
        File answers = FileWith(c.typed);
        ConsolePrompts prompts(messages.get(), answers.get(), c.policy);
        EXPECT_EQ(prompts.Confirm("Sure?"), c.expected) << '"' << c.typed << '"';
        EXPECT_EQ(Contents(messages.get()).rfind("Confirm: Sure?", 0), 0u);
    }
}

TEST(ConsolePromptsTest, BoxesBecomeLinesAndTheLastErrorIsKept) {
    File messages(std::tmpfile());
    ConsolePrompts prompts(messages.get(), nullptr, ConsolePrompts::QuestionPolicy::AnswerNo);
    EXPECT_FALSE(prompts.LastError().has_value());
    prompts.ShowWarning("Cannot Open COM port!");
    prompts.ShowError("Fail to connect with the device! Check connection or battery!");
    EXPECT_EQ(Contents(messages.get()),
              "Warning: Cannot Open COM port!\nError: Fail to connect with the device! Check connection or battery!\n");
    EXPECT_EQ(prompts.LastError(), "Fail to connect with the device! Check connection or battery!");
}

} // namespace
} // namespace zeft::cli
