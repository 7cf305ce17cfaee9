#include "main/ConfigFile.h"

#include "base/AtomicFile.h"
#include "base/NumberText.h"
#include "main/IniLookup.h"
#include "main/RegularFile.h"
#include "main/SenderSettings.h"

#include <array>
#include <vector>

namespace fs = std::filesystem;

namespace zeft {

namespace {

constexpr std::string_view kSensorSection = "Sensor Parameters";
constexpr std::string_view kTankSection = "Tank Linearization Parameters";

struct EditKey {
    std::string_view section;
    std::string_view name;
    SettingsEdit edit;
};

constexpr std::array<EditKey, 6> kEditKeys = {{
    {kSensorSection, "Top Limit", SettingsEdit::TopLimit},
    {kSensorSection, "Bottom Limit", SettingsEdit::BottomLimit},
    {kTankSection, "Level A", SettingsEdit::LevelA},
    {kTankSection, "Level B", SettingsEdit::LevelB},
    {kTankSection, "Level C", SettingsEdit::LevelC},
    {kTankSection, "Level D", SettingsEdit::LevelD},
}};

// Look-up order: the two codes, then the six edits of kEditKeys.
constexpr std::size_t kOutputTypeKey = 0;
constexpr std::size_t kFluidTypeKey = 1;
constexpr std::size_t kFirstEditKey = 2;

IniLookup MakeLookup() {
    std::vector<IniLookup::Key> keys = {{kSensorSection, "Output Type"}, {kSensorSection, "Fluid Type"}};
    for (const EditKey& key : kEditKeys) {
        keys.push_back({key.section, key.name});
    }
    return IniLookup(std::move(keys), kConfigMaxValueChars);
}

int CodeFrom(const std::optional<std::string>& value) {
    return value ? IntegerFromText(*value, kNoSelection) : kNoSelection;
}

void Apply(const IniLookup& lookup, SettingsControls& controls) {
    controls.SetOutputTypeIndex(OutputTypeIndexFromCode(CodeFrom(lookup.Value(kOutputTypeKey))));
    controls.SetFluidTypeIndex(FluidTypeIndexFromCode(CodeFrom(lookup.Value(kFluidTypeKey))));
    for (std::size_t i = 0; i < kEditKeys.size(); ++i) {
        const std::optional<std::string>& value = lookup.Value(kFirstEditKey + i);
        controls.SetEditText(kEditKeys[i].edit, value ? *value : std::string(kConfigMissingValue));
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
    AddLine(text, "Output Type", std::to_string(OutputTypeCodeFromIndex(controls.OutputTypeIndex())));
    AddLine(text, "Fluid Type", std::to_string(FluidTypeCodeFromIndex(controls.FluidTypeIndex())));
    for (const EditKey& key : kEditKeys) {
        if (key.edit == SettingsEdit::LevelA) {
            AddSection(text, kTankSection);
        }
        AddLine(text, key.name, controls.EditText(key.edit));
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
    const auto code = [](const std::optional<std::string>& value) {
        const int read = CodeFrom(value);
        return read == kNoSelection ? std::nullopt : std::optional<int>(read);
    };
    settings.outputType = code(lookup.Value(kOutputTypeKey));
    settings.fluidType = code(lookup.Value(kFluidTypeKey));
    for (std::size_t i = 0; i < kEditKeys.size(); ++i) {
        const std::optional<std::string>& value = lookup.Value(kFirstEditKey + i);
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
