#include "serial/SerialLinkSettingsTarget.h"

#include "serial/RememberedAdapter.h"
#include "serial/SerialLink.h"

namespace zeft {

PortSettings SerialLinkSettingsTarget::Current() const {
    return link_.Settings();
}

void SerialLinkSettingsTarget::SetActive(bool active) {
    link_.SetActive(active);
}

void SerialLinkSettingsTarget::SetCommPort(const std::string& name) {
    link_.SetCommPort(name);
}

void SerialLinkSettingsTarget::StoreDirectly(const PortSettings& s) {
    link_.StoreSettingsDirectly(s);
}

void SerialLinkSettingsTarget::Report(std::uint32_t place, std::uint32_t code, std::uint8_t noise,
                                      const std::string& msg) {
    link_.ProcessError(place, code, noise, msg);
}

void WriteSettings(TSerialLink& port, const std::string& regKey, const std::string& section,
                   const PortSettingsStore& store) {
    SerialLinkSettingsTarget target(port);
    store.WriteSettings(target, regKey, section);
    RememberedAdapter(store.Medium()).Remember(port.CommPort(), regKey, section);
}

void ReadSettings(TSerialLink& port, const std::string& regKey, const std::string& section,
                  const PortSettingsStore& store) {
    SerialLinkSettingsTarget target(port);
    store.ReadSettings(target, regKey, section);
    // A USB adapter moved to another socket comes back under another name.
    const std::string found = RememberedAdapter(store.Medium()).Find(port.CommPort(), regKey, section);
    if (found != port.CommPort()) {
        port.SetCommPort(found);
    }
}

} // namespace zeft
