#include "cli/ConsoleCodePage.h"

#include <windows.h>

namespace zeft::cli {

ConsoleCodePage::ConsoleCodePage() {
    const UINT shown = GetConsoleOutputCP(); // 0 without a console: output goes to a file
    const UINT fileNames = GetACP();
    if (shown != 0 && shown != fileNames && SetConsoleOutputCP(fileNames) != 0) {
        previous_ = shown;
    }
}

ConsoleCodePage::~ConsoleCodePage() {
    if (previous_ != 0) {
        SetConsoleOutputCP(previous_);
    }
}

} // namespace zeft::cli
