#include "serial/settings/PortSettingsStore.h"

#include "base/NumberText.h"

#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace zeft {

namespace {

// Reads one value of the section; false when the medium says it is no string (a read
// failure). A missing value leaves text empty and missing true.
class SectionReader {
public:
    SectionReader(SettingsMedium& medium, const std::string& section) : medium_(medium), section_(section) {}

    bool Integer(const char* name, std::int64_t fallback, std::int64_t& value) {
        std::string text;
        const auto status = medium_.ReadString(section_, name, text);
        if (status == SettingsMedium::ReadStatus::NotText) {
            return false;
        }
        value = status == SettingsMedium::ReadStatus::Missing ? fallback : StoredInteger(text, fallback);
        return true;
    }

    template <typename T> bool Number(const char* name, T fallback, T& value) {
        std::int64_t read = 0;
        if (!Integer(name, static_cast<std::int64_t>(fallback), read)) {
            return false;
        }
        // Stored directly into the property's width: the low byte or low 16 bits.
        value = static_cast<T>(read);
        return true;
    }

    bool Boolean(const char* name, bool fallback, bool& value) {
        std::int64_t read = 0;
        if (!Integer(name, fallback ? 1 : 0, read)) {
            return false;
        }
        value = read != 0;
        return true;
    }

    bool Character(const char* name, char fallback, char& value) {
        std::string text;
        const auto status = medium_.ReadString(section_, name, text);
        if (status == SettingsMedium::ReadStatus::NotText) {
            return false;
        }
        if (status == SettingsMedium::ReadStatus::Missing) {
            value = fallback;
        } else {
            value = text.empty() ? '\0' : text.front();
        }
        return true;
    }

    // One setting, read as its type is stored.
    template <typename T> bool Value(const char* name, const T& fallback, T& value) {
        if constexpr (std::is_same_v<T, std::string>) {
            return Text(name, fallback, value);
        } else if constexpr (std::is_same_v<T, bool>) {
            return Boolean(name, fallback, value);
        } else if constexpr (std::is_same_v<T, char>) {
            return Character(name, fallback, value);
        } else {
            return Number(name, fallback, value);
        }
    }

    bool Text(const char* name, const std::string& fallback, std::string& value) {
        std::string text;
        const auto status = medium_.ReadString(section_, name, text);
        if (status == SettingsMedium::ReadStatus::NotText) {
            return false;
        }
        // Kept whole: a name cut short could open another device, so the open refuses it.
        value = status == SettingsMedium::ReadStatus::Missing ? fallback : text;
        return true;
    }

private:
    SettingsMedium& medium_;
    const std::string& section_;
};

// Every value after CommPort, in the order written and read.
bool ReadRest(SectionReader& in, PortSettings& s) {
    const PortSettings d; // the defaults on reading
    return ForEachPortSetting([&](const char* name, auto member) {
        if (IsSetting(member, &PortSettings::CommPort)) {
            return true; // read before the others: an open port is reopened under it first
        }
        return in.Value(name, d.*member, s.*member);
    });
}

std::string Bool(bool value) {
    return value ? "1" : "0";
}
std::string Char(char value) {
    return std::string(1, value);
}

// One setting as the text it is stored as.
template <typename T> std::string StoredText(const T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        return value;
    } else if constexpr (std::is_same_v<T, bool>) {
        return Bool(value);
    } else if constexpr (std::is_same_v<T, char>) {
        return Char(value);
    } else {
        return std::to_string(value);
    }
}

} // namespace

std::int64_t StoredInteger(const std::string& text, std::int64_t fallback) {
    // Decimal digits after spaces; unsigned 32-bit values are written as such, anything
    // wider is no integer.
    constexpr std::int64_t kWidest = std::numeric_limits<std::uint32_t>::max();
    constexpr IntegerRule kStored{false, false, -kWidest, kWidest};
    return ParseInteger(text, kStored).value_or(fallback);
}

PortSettingsStore::PortSettingsStore(MediumFactory factory) : factory_(std::move(factory)) {}

void PortSettingsStore::WriteSettings(PortSettingsTarget& port, const std::string& regKey,
                                      const std::string& section) const {
    const PortSettings s = port.Current();
    std::vector<std::pair<const char*, std::string>> values;
    ForEachPortSetting([&](const char* name, auto member) {
        values.emplace_back(name, StoredText(s.*member));
        return true;
    });
    values.emplace_back("Active", Bool(s.Active));
    std::unique_ptr<SettingsMedium> medium = factory_ ? factory_() : nullptr;
    bool ok = medium && medium->OpenKey(regKey);
    for (const auto& [name, text] : values) {
        if (!ok || !medium->WriteString(section, name, text)) {
            ok = false;
            break;
        }
    }
    // The key is closed in every case; for a file that is when the values land on disk.
    if (medium && !medium->Close()) {
        ok = false;
    }
    if (ok) {
        port.Report(501, 0, 2, "Settings saved");
    } else {
        port.Report(502, 0, 0, "Error saving Settings");
    }
}

void PortSettingsStore::ReadSettings(PortSettingsTarget& port, const std::string& regKey,
                                     const std::string& section) const {
    std::unique_ptr<SettingsMedium> medium = factory_ ? factory_() : nullptr;
    auto fail = [&] {
        if (medium) {
            medium->Close();
        }
        port.Report(402, 0, 0, "Error reading Settings");
    };
    if (!medium || !medium->OpenKey(regKey)) {
        fail();
        return;
    }
    SectionReader in(*medium, section);
    bool active = false;
    if (!in.Boolean("Active", false, active)) {
        fail();
        return;
    }
    if (!active) {
        port.SetActive(false); // before anything else is read
    }
    std::string name;
    if (!in.Text("CommPort", PortSettings{}.CommPort, name)) {
        fail();
        return;
    }
    if (active) {
        port.SetCommPort(name);
    }
    // Taken after the close or reopen: values not read keep what the component has now.
    PortSettings loaded = port.Current();
    loaded.CommPort = name;
    const bool complete = ReadRest(in, loaded);
    // What was loaded before a failure keeps its new value.
    port.StoreDirectly(loaded);
    if (!complete) {
        fail();
        return;
    }
    medium->Close();
    port.SetActive(active);
    port.Report(401, 0, 2, "Settings readed");
}

} // namespace zeft
