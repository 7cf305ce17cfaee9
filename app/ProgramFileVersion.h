#pragma once

#include <cstdint>
#include <string>

namespace zeft {

// The file version that the build stamps into the program file, as four 16-bit numbers:
// major, minor, release, build. On Windows it is the version resource; elsewhere an ELF
// note "ZEFT" (type 1) in section ".note.zeft" whose two 32-bit words carry
// major << 16 | minor and release << 16 | build, as the Windows resource does.
struct ProgramFileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
};

// Reads the version stamped into a program file. A file that cannot be read, is not a
// program file or has no version gives 0.0.0.0.
ProgramFileVersion ReadProgramFileVersion(const std::string& programPath);

// The full path of the running program file.
std::string RunningProgramPath();

// Name and type of the version note.
inline constexpr char kVersionNoteName[] = "ZEFT";
inline constexpr std::uint32_t kVersionNoteType = 1;

} // namespace zeft
