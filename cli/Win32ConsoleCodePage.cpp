#include "cli/ConsoleCodePage.h"

#include <windows.h>

namespace zeft::cli {

std::filesystem::path PathFromCommandLine(const std::string& text) {
    // The library's own narrow conversion does not follow the process's code page.
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

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
