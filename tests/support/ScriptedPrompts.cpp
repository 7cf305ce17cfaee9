#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace zeft::testing {

ConfirmAnswer ScriptedPrompts::Confirm(const std::string& text) {
    Record({Kind::Confirm, text, {}});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return ConfirmAnswer::No;
    }
    const ConfirmAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace zeft::testing
