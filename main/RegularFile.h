#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace zeft {

// The first bytes (at most limit) of a regular file, read without ever blocking: nothing
// for a missing or unreadable file, a folder, a pipe, a device or a file that would block
// (such as the kernel's log in /proc). A file whose size is 0 is taken as empty without
// reading it, as the files of /proc report 0 whatever they would give.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit);

// Whether the name is there (links followed) as something other than a regular file: a
// folder, a pipe, a device or a socket. Asks the file system only; never opens it.
bool IsSpecialFile(const std::filesystem::path& path);

} // namespace zeft
