#pragma once

#include <string>

namespace zeft {

// The texts a failed file operation shows in the application's general error box:
// "File not found.", "Invalid filename.", "Too many open files.", "File access denied.",
// "Disk full." or "I/O error <code>." for any other error.
std::string FileErrorTextFromErrno(int error);
// The same from a Windows system error code (GetLastError).
std::string FileErrorTextFromWin32(unsigned long error);

} // namespace zeft
