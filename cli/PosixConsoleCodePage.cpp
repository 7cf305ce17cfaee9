#include "cli/ConsoleCodePage.h"

namespace zeft::cli {

std::filesystem::path PathFromCommandLine(const std::string& text) {
    return text;
}

ConsoleCodePage::ConsoleCodePage() = default;

ConsoleCodePage::~ConsoleCodePage() = default;

} // namespace zeft::cli
