#pragma once

#include <cstdio>
#include <optional>

namespace zeft::app {

// zeft's own options, answered before any window (or display) is needed: --help and
// --version print to out and give the exit status; anything else (Qt's own options
// included) gives nothing and the program starts. The manual page is made from this help.
std::optional<int> AnswerHelpArguments(int argc, const char* const* argv, std::FILE* out);

} // namespace zeft::app
