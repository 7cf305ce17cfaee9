#pragma once

#include "serial/settings/SettingsFileAccess.h"
#include "serial/settings/SettingsMedium.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

// The settings medium as one text file, for systems without a registry. Each key and
// section is a "[Software\KOV\ZEFT\CommSetting]" header; each value a line
// Name="text", with backslash, quote, control characters and NUL written as \\, \" and
// \xHH so that the file stays text. A value line whose right side is no quoted text is a
// value that is not a string. The file is read at OpenKey and replaced atomically
// (temporary file, then rename) at Close when something was written; from OpenKey to
// Close the medium holds the file's advisory lock, so that two programs saving at once
// do not interleave. A file that is not in this form, or too large to be ours, reads as
// values that are no strings (a read failure); writing moves it to "<name>.bad" and
// starts a new one. A file that cannot be read, or a lock not had in time, cannot be
// opened.
class SettingsFileMedium : public SettingsMedium {
public:
    explicit SettingsFileMedium(std::filesystem::path file) : file_(std::move(file)) {}

    bool OpenKey(const std::string& key) override;
    ReadStatus ReadString(const std::string& section, const std::string& name, std::string& text) override;
    bool WriteString(const std::string& section, const std::string& name, const std::string& text) override;
    bool Close() override;

    // The file's text form of a value and back (nothing when the text is not well formed).
    static std::string Quote(const std::string& text);
    static std::optional<std::string> Unquote(const std::string& quoted);

private:
    struct Value {
        std::string name;
        std::optional<std::string> text; // nothing: not a string
        std::string raw;                 // the right side as it stood, kept on rewriting
    };
    struct Section {
        std::string path;
        std::vector<Value> values;
    };

    bool Parse(const std::string& contents);
    std::string Format() const;
    Section* FindSection(const std::string& path);

    std::filesystem::path file_;
    std::unique_ptr<SettingsFileLock> lock_;
    std::string key_;
    std::vector<Section> sections_;
    bool open_ = false;
    bool corrupt_ = false;
    bool dirty_ = false;
};

// The per-user settings file: $XDG_CONFIG_HOME/zeft/settings.ini, with ~/.config in place
// of an unset or relative XDG_CONFIG_HOME. Empty when neither it nor HOME is known.
std::filesystem::path UserSettingsFilePath();

} // namespace zeft
