#include "cli/Terminal.h"

#include <windows.h>

namespace zeft::cli {
namespace {

// A console, not just any character device: the C library's isatty also says yes to NUL.
bool IsConsole(DWORD standardHandle) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(standardHandle), &mode) != 0;
}

} // namespace

bool StandardInputIsTerminal() {
    return IsConsole(STD_INPUT_HANDLE);
}

bool StandardErrorIsTerminal() {
    return IsConsole(STD_ERROR_HANDLE);
}

} // namespace zeft::cli
