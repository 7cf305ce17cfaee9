#include "cli/ConsoleCodePage.h"

namespace zeft::cli {

ConsoleCodePage::ConsoleCodePage() = default;

ConsoleCodePage::~ConsoleCodePage() = default;

} // namespace zeft::cli
