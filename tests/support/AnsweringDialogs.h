#pragma once

#include "seams/FileDialogs.h"

#include <optional>
#include <string>
#include <utility>

namespace zeft::testing {

// The file dialogs of the core tests: every dialog is answered with one fixed name, or
// cancelled when there is none; each kind counts how often it was asked.
class AnsweringDialogs : public FileDialogs {
public:
    explicit AnsweringDialogs(std::optional<std::string> answer) : answer_(std::move(answer)) {}

    std::optional<std::string> AskSaveConfigPath() override {
        ++saveAsked;
        return answer_;
    }
    std::optional<std::string> AskOpenConfigPath() override {
        ++openAsked;
        return answer_;
    }
    std::optional<std::string> AskSaveSetupSheetPath() override {
        ++sheetAsked;
        return answer_;
    }

    int saveAsked = 0;
    int openAsked = 0;
    int sheetAsked = 0;

private:
    std::optional<std::string> answer_;
};

} // namespace zeft::testing
