#include "serial/settings/SettingsFileMedium.h"

#include "base/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <system_error>

namespace zeft {

namespace {

// Far more than 27 values ever need; a larger file is not ours.
constexpr std::uintmax_t kLargestFile = 1u << 20;

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::string SettingsFileMedium::Quote(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::optional<std::string> SettingsFileMedium::Unquote(const std::string& quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"') {
            return std::nullopt;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i + 2 >= quoted.size()) {
            return std::nullopt;
        }
        const char next = quoted[++i];
        if (next == '\\' || next == '"') {
            out += next;
        } else if (next == 'x' && i + 3 < quoted.size() && HexDigit(quoted[i + 1]) >= 0 &&
                   HexDigit(quoted[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(quoted[i + 1]) * 16 + HexDigit(quoted[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool SettingsFileMedium::Parse(const std::string& contents) {
    sections_.clear();
    if (contents.find('\0') != std::string::npos) {
        return false;
    }
    std::istringstream lines(contents);
    std::string line;
    Section* current = nullptr;
    while (std::getline(lines, line)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == '#' || trimmed.front() == ';') {
            continue;
        }
        if (trimmed.front() == '[') {
            if (trimmed.back() != ']' || trimmed.size() < 3) {
                return false;
            }
            const std::string path = trimmed.substr(1, trimmed.size() - 2);
            current = FindSection(path);
            if (current == nullptr) {
                sections_.push_back({path, {}});
                current = &sections_.back();
            }
            continue;
        }
        const auto equals = trimmed.find('=');
        if (current == nullptr || equals == std::string::npos || equals == 0) {
            return false;
        }
        Value value{Trim(trimmed.substr(0, equals)), std::nullopt, Trim(trimmed.substr(equals + 1))};
        value.text = Unquote(value.raw);
        current->values.push_back(std::move(value));
    }
    return true;
}

std::string SettingsFileMedium::Format() const {
    std::string out = "# ZEFT Programmer settings. Written by the program; values are quoted texts.\n";
    for (const Section& section : sections_) {
        out += "\n[" + section.path + "]\n";
        for (const Value& value : section.values) {
            out += value.name + "=" + (value.text ? Quote(*value.text) : value.raw) + "\n";
        }
    }
    return out;
}

SettingsFileMedium::Section* SettingsFileMedium::FindSection(const std::string& path) {
    for (Section& section : sections_) {
        if (SameName(section.path, path)) {
            return &section;
        }
    }
    return nullptr;
}

bool SettingsFileMedium::OpenKey(const std::string& key) {
    open_ = false;
    dirty_ = false;
    corrupt_ = false;
    key_ = key;
    sections_.clear();
    if (file_.empty() || key.empty()) {
        return false;
    }
    lock_ = std::make_unique<SettingsFileLock>(file_);
    if (!lock_->Held()) {
        lock_.reset();
        std::error_code error;
        if (!std::filesystem::exists(file_.parent_path(), error) && !error) {
            open_ = true; // not even the folder yet: every value is missing
            return true;
        }
        return false;
    }
    std::string contents;
    const SettingsFileRead read = ReadSettingsFile(file_, kLargestFile, contents);
    if (read == SettingsFileRead::Failed) {
        lock_.reset();
        return false;
    }
    // A file not in our form (or far too large to be ours) reads as values that are no
    // strings (a read failure); writing puts it aside and starts afresh, so that the next
    // choice of port is remembered.
    corrupt_ = read == SettingsFileRead::TooLarge || (read == SettingsFileRead::Read && !Parse(contents));
    if (corrupt_) {
        sections_.clear();
    }
    open_ = true;
    return true;
}

SettingsMedium::ReadStatus SettingsFileMedium::ReadString(const std::string& section, const std::string& name,
                                                          std::string& text) {
    text.clear();
    if (corrupt_) {
        return ReadStatus::NotText;
    }
    Section* found = open_ ? FindSection(key_ + "\\" + section) : nullptr;
    if (found == nullptr) {
        return ReadStatus::Missing;
    }
    for (const Value& value : found->values) {
        if (SameName(value.name, name)) {
            if (!value.text) {
                return ReadStatus::NotText;
            }
            text = *value.text;
            return ReadStatus::Text;
        }
    }
    return ReadStatus::Missing;
}

bool SettingsFileMedium::WriteString(const std::string& section, const std::string& name, const std::string& text) {
    if (!open_) {
        return false;
    }
    const std::string path = key_ + "\\" + section;
    Section* found = FindSection(path);
    if (found == nullptr) {
        sections_.push_back({path, {}});
        found = &sections_.back();
    }
    dirty_ = true;
    for (Value& value : found->values) {
        if (SameName(value.name, name)) {
            value.text = text;
            return true;
        }
    }
    found->values.push_back({name, text, {}});
    return true;
}

bool SettingsFileMedium::Close() {
    const bool write = open_ && dirty_;
    const bool corrupt = corrupt_;
    open_ = false;
    dirty_ = false;
    corrupt_ = false;
    // Let go of the lock whatever happens below.
    std::unique_ptr<SettingsFileLock> lock = std::move(lock_);
    if (!write) {
        return true;
    }
    std::error_code error;
    if (corrupt) {
        std::filesystem::rename(file_, file_.string() + ".bad", error);
        if (error) {
            return false;
        }
    }
    std::filesystem::create_directories(file_.parent_path(), error);
    if (error) {
        return false;
    }
    if (!lock) {
        lock = std::make_unique<SettingsFileLock>(file_); // the folder is new: nothing was read
    }
    return lock->Held() && !ReplaceFileAtomically(file_, Format(), AtomicFileOptions{.ownerOnly = true});
}

std::filesystem::path UserSettingsFilePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config != nullptr && std::filesystem::path(config).is_absolute()) {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return base / "zeft" / "settings.ini";
}

} // namespace zeft
