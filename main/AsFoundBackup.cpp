#include "main/AsFoundBackup.h"

#include "main/ConfigFile.h"
#include "main/PlainSettingsControls.h"
#include "main/SaveFileName.h"

#include <system_error>

namespace zeft {
namespace {

constexpr std::size_t kLabelChars = 60;

bool Unsafe(unsigned char c) {
    // Windows refuses these in names; control characters are refused or invisible anywhere.
    static constexpr std::string_view kRefused = "<>:\"/\\|?*";
    return c < 0x20 || c == 0x7F || kRefused.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::filesystem::path AsFoundBackupFolder(const std::filesystem::path& historyFile) {
    return historyFile.parent_path() / "as-found";
}

std::string AsFoundBackupName(const std::string& readTime, const std::string& label) {
    // 2026-05-01T09:30:12.345Z: to the second, and without the colons.
    std::string name = readTime.substr(0, 19);
    for (char& c : name) {
        c = c == ':' ? '-' : c;
    }
    name += 'Z';
    std::string cleaned;
    for (const char c : label) {
        cleaned += Unsafe(static_cast<unsigned char>(c)) ? '_' : c;
    }
    if (cleaned.size() > kLabelChars) {
        cleaned.resize(kLabelChars);
        // Not in the middle of a UTF-8 sequence.
        while (!cleaned.empty() && (static_cast<unsigned char>(cleaned.back()) & 0xC0) == 0x80) {
            cleaned.pop_back();
        }
        if (!cleaned.empty() && static_cast<unsigned char>(cleaned.back()) >= 0xC0) {
            cleaned.pop_back();
        }
    }
    // Windows drops trailing dots and blanks.
    while (!cleaned.empty() && (cleaned.back() == '.' || cleaned.back() == ' ')) {
        cleaned.pop_back();
    }
    return name + (cleaned.empty() ? "" : " " + cleaned) + ".zcf";
}

AsFoundBackupResult SaveAsFoundBackup(const std::filesystem::path& historyFile, const HistoryRecord& program) {
    if (!program.asFound || historyFile.empty()) {
        return {};
    }
    const std::filesystem::path folder = AsFoundBackupFolder(historyFile);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return {std::nullopt, folder.string() + ": " + error.message()};
    }
    PlainSettingsControls settings;
    PutSettingsIntoControls(*program.asFound, settings);
    const std::filesystem::path file = folder / PathFromUtf8(AsFoundBackupName(program.asFoundTime, program.label));
    if (std::optional<std::string> failed = SaveConfigFile(file, settings)) {
        return {std::nullopt, file.string() + ": " + *failed};
    }
    return {file, std::nullopt};
}

} // namespace zeft
