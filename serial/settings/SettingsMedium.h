#pragma once

#include <memory>
#include <string>

namespace zeft {

// Where the port settings live: a key (such as "Software\KOV\ZEFT") of string values in
// named sections (such as "CommSetting"). The registry under the current user on Windows,
// a text file per user elsewhere. Value names compare without regard to letter case.
class SettingsMedium {
public:
    enum class ReadStatus { Text, Missing, NotText };

    virtual ~SettingsMedium() = default;

    // Opens the key, creating it when missing; false when it cannot be opened or read.
    virtual bool OpenKey(const std::string& key) = 0;
    // A value of the section of the open key. NotText: it exists but holds no string.
    virtual ReadStatus ReadString(const std::string& section, const std::string& name, std::string& text) = 0;
    // Writes a string value, creating the section; false on failure.
    virtual bool WriteString(const std::string& section, const std::string& name, const std::string& text) = 0;
    // Makes the values written so far lasting; false on failure. Also closes the key.
    virtual bool Close() = 0;
};

// The medium of this platform, for the current user.
std::unique_ptr<SettingsMedium> CreateUserSettingsMedium();

} // namespace zeft
