#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zeft {

// The settings file's own file operations, safe against a second program saving at the
// same time and against whatever someone put at the file's names (links, FIFOs).

// Holds the advisory lock of the settings file ("<file>.lock") while it lives, so that
// one read-modify-write does not interleave with another program's. Without a lock in
// time (another program holds it for seconds) Held() is false.
class SettingsFileLock {
public:
    explicit SettingsFileLock(const std::filesystem::path& file);
    ~SettingsFileLock();
    SettingsFileLock(const SettingsFileLock&) = delete;
    SettingsFileLock& operator=(const SettingsFileLock&) = delete;

    bool Held() const { return held_; }

private:
    bool held_ = false;
    std::intptr_t handle_ = -1;
};

enum class SettingsFileRead { Missing, Read, TooLarge, Failed };

// Reads the whole file when it is a regular file of at most largest bytes; never waits on
// a FIFO or a device at its name.
SettingsFileRead ReadSettingsFile(const std::filesystem::path& file, std::uintmax_t largest, std::string& contents);

// The file itself is replaced by ReplaceFileAtomically (base/AtomicFile.h), owner only.

} // namespace zeft
