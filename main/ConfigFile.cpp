#include "main/ConfigFile.h"

#include "base/AtomicFile.h"
#include "base/NumberText.h"
#include "main/IniLookup.h"
#include "main/RegularFile.h"
#include "main/SenderSettings.h"
#include "main/SettingNames.h"

#include <array>
#include <vector>

namespace fs = std::filesystem;

namespace zeft {

namespace {

// Look-up order: the eight settings of kSettingNames.
IniLookup MakeLookup() {
    std::vector<IniLookup::Key> keys;
    for (const SettingNames& names : kSettingNames) {
        keys.push_back({names.section, names.key});
    }
    return IniLookup(std::move(keys), kConfigMaxValueChars);
}

int CodeFrom(const std::optional<std::string>& value) {
    return value ? IntegerFromText(*value, kNoSelection) : kNoSelection;
}

void Apply(const IniLookup& lookup, SettingsControls& controls) {
    controls.SetOutputTypeIndex(OutputTypeIndexFromCode(CodeFrom(lookup.Value(kOutputTypeSetting))));
    controls.SetFluidTypeIndex(FluidTypeIndexFromCode(CodeFrom(lookup.Value(kFluidTypeSetting))));
    for (const SettingsEdit edit : kSettingsEdits) {
        const std::optional<std::string>& value = lookup.Value(kFirstEditSetting + static_cast<std::size_t>(edit));
        controls.SetEditText(edit, value ? *value : std::string(kConfigMissingValue));
    }
}

// Text editors on Windows like to start a file with a UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.substr(0, kMark.size()) == kMark ? text.substr(kMark.size()) : text;
}

void AddLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append(" = ").append(value).append("\r\n");
}

void AddSection(std::string& text, std::string_view section) {
    text.append("[").append(section).append("]\r\n");
}

} // namespace

std::string ConfigFileText(const SettingsControls& controls) {
    std::string text;
    AddSection(text, kSensorSection);
    AddLine(text, kSettingNames[kOutputTypeSetting].key,
            std::to_string(OutputTypeCodeFromIndex(controls.OutputTypeIndex())));
    AddLine(text, kSettingNames[kFluidTypeSetting].key,
            std::to_string(FluidTypeCodeFromIndex(controls.FluidTypeIndex())));
    std::string_view section = kSensorSection;
    for (const SettingsEdit edit : kSettingsEdits) {
        const SettingNames& names = NamesOf(edit);
        if (names.section != section) {
            section = names.section;
            AddSection(text, section);
        }
        AddLine(text, names.key, controls.EditText(edit));
    }
    return text;
}

std::optional<std::string> SaveConfigFile(const fs::path& path, const SettingsControls& controls) {
    return SaveFileAtomically(path, ConfigFileText(controls));
}

void LoadConfigText(std::string_view text, SettingsControls& controls) {
    IniLookup lookup = MakeLookup();
    lookup.Feed(WithoutByteOrderMark(text.substr(0, kConfigReadLimitBytes)));
    lookup.Finish();
    Apply(lookup, controls);
}

RecordedSettings ConfigTextSettings(std::string_view text) {
    IniLookup lookup = MakeLookup();
    lookup.Feed(WithoutByteOrderMark(text.substr(0, kConfigReadLimitBytes)));
    lookup.Finish();
    RecordedSettings settings;
    const auto code = [](const std::optional<std::string>& value) { return SelectedCode(CodeFrom(value)); };
    settings.outputType = code(lookup.Value(kOutputTypeSetting));
    settings.fluidType = code(lookup.Value(kFluidTypeSetting));
    for (std::size_t i = 0; i < settings.edits.size(); ++i) {
        const std::optional<std::string>& value = lookup.Value(kFirstEditSetting + i);
        settings.edits[i] = value ? *value : std::string(kConfigMissingValue);
    }
    return settings;
}

RecordedSettings ConfigFileSettings(const fs::path& path) {
    return ConfigTextSettings(ReadRegularFile(path, kConfigReadLimitBytes).value_or(std::string()));
}

void LoadConfigFile(const fs::path& path, SettingsControls& controls) {
    // A file that cannot be read, or is no plain file, reads as if every key were missing.
    LoadConfigText(ReadRegularFile(path, kConfigReadLimitBytes).value_or(std::string()), controls);
}

} // namespace zeft
