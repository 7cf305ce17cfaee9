#include "serial/settings/PortSettingsStore.h"

#include "base/NumberText.h"

#include <limits>

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
    return in.Number("BaudRate", d.BaudRate, s.BaudRate) && in.Number("ParityType", d.ParityType, s.ParityType) &&
           in.Character("ParityErrorChar", d.ParityErrorChar, s.ParityErrorChar) &&
           in.Boolean("ParityErrorReplacement", d.ParityErrorReplacement, s.ParityErrorReplacement) &&
           in.Number("StopBits", d.StopBits, s.StopBits) && in.Number("DataBits", d.DataBits, s.DataBits) &&
           in.Character("XONChar", d.XONChar, s.XONChar) && in.Character("XOFFChar", d.XOFFChar, s.XOFFChar) &&
           in.Number("XONLimDiv", d.XONLimDiv, s.XONLimDiv) && in.Number("XOFFLimDiv", d.XOFFLimDiv, s.XOFFLimDiv) &&
           in.Number("FlowControl", d.FlowControl, s.FlowControl) &&
           in.Boolean("StripNullChars", d.StripNullChars, s.StripNullChars) &&
           in.Character("EventChar", d.EventChar, s.EventChar) &&
           in.Number("RTOCharDelayTime", d.RTOCharDelayTime, s.RTOCharDelayTime) &&
           in.Number("RTOExtraDelayTime", d.RTOExtraDelayTime, s.RTOExtraDelayTime) &&
           in.Number("ClusterSize", d.ClusterSize, s.ClusterSize) &&
           in.Number("RxQueueSize", d.RxQueueSize, s.RxQueueSize) &&
           in.Number("TxQueueSize", d.TxQueueSize, s.TxQueueSize) &&
           in.Number("WTOCharDelayTime", d.WTOCharDelayTime, s.WTOCharDelayTime) &&
           in.Number("WTOExtraDelayTime", d.WTOExtraDelayTime, s.WTOExtraDelayTime) &&
           in.Boolean("XTOAuto", d.XTOAuto, s.XTOAuto) && in.Boolean("RTSState", d.RTSState, s.RTSState) &&
           in.Boolean("DTRState", d.DTRState, s.DTRState) && in.Boolean("BREAKState", d.BREAKState, s.BREAKState) &&
           in.Number("ErrorNoise", d.ErrorNoise, s.ErrorNoise);
}

std::string Bool(bool value) {
    return value ? "1" : "0";
}
std::string Char(char value) {
    return std::string(1, value);
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
    const std::pair<const char*, std::string> values[] = {
        {"CommPort", s.CommPort},
        {"BaudRate", std::to_string(s.BaudRate)},
        {"ParityType", std::to_string(s.ParityType)},
        {"ParityErrorChar", Char(s.ParityErrorChar)},
        {"ParityErrorReplacement", Bool(s.ParityErrorReplacement)},
        {"StopBits", std::to_string(s.StopBits)},
        {"DataBits", std::to_string(s.DataBits)},
        {"XONChar", Char(s.XONChar)},
        {"XOFFChar", Char(s.XOFFChar)},
        {"XONLimDiv", std::to_string(s.XONLimDiv)},
        {"XOFFLimDiv", std::to_string(s.XOFFLimDiv)},
        {"FlowControl", std::to_string(s.FlowControl)},
        {"StripNullChars", Bool(s.StripNullChars)},
        {"EventChar", Char(s.EventChar)},
        {"RTOCharDelayTime", std::to_string(s.RTOCharDelayTime)},
        {"RTOExtraDelayTime", std::to_string(s.RTOExtraDelayTime)},
        {"ClusterSize", std::to_string(s.ClusterSize)},
        {"RxQueueSize", std::to_string(s.RxQueueSize)},
        {"TxQueueSize", std::to_string(s.TxQueueSize)},
        {"WTOCharDelayTime", std::to_string(s.WTOCharDelayTime)},
        {"WTOExtraDelayTime", std::to_string(s.WTOExtraDelayTime)},
        {"XTOAuto", Bool(s.XTOAuto)},
        {"RTSState", Bool(s.RTSState)},
        {"DTRState", Bool(s.DTRState)},
        {"BREAKState", Bool(s.BREAKState)},
        {"ErrorNoise", std::to_string(s.ErrorNoise)},
        {"Active", Bool(s.Active)},
    };
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
