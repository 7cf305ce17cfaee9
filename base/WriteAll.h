#pragma once

#include <string_view>

namespace zeft {

// Writes all of bytes to an open file, however many calls the system takes for it. False
// on the first failure, with the system's error (errno, GetLastError) saying why; a write
// that makes no progress counts as a full disk.
#ifdef _WIN32
bool WriteAll(void* handle, std::string_view bytes);
#else
bool WriteAll(int fd, std::string_view bytes);
#endif

} // namespace zeft
