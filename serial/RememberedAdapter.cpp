#include "serial/RememberedAdapter.h"

#include <algorithm>

namespace zeft {

RememberedAdapter::RememberedAdapter(MediumFactory medium, PortLister present)
    : medium_(std::move(medium)), present_(std::move(present)) {}

bool RememberedAdapter::Remember(const std::string& portName, const std::string& regKey,
                                 const std::string& section) const {
    const std::vector<PortDescription> ports = present_ ? present_() : std::vector<PortDescription>();
    const auto port =
        std::find_if(ports.begin(), ports.end(), [&portName](const PortDescription& p) { return p.name == portName; });
    if (port == ports.end()) {
        // A port kept while absent (nothing chosen) keeps the adapter that belonged to it.
        return true;
    }
    std::unique_ptr<SettingsMedium> medium = medium_ ? medium_() : nullptr;
    if (!medium || !medium->OpenKey(regKey)) {
        return false;
    }
    const bool written = medium->WriteString(section, kAdapterIdentityValue, port->Identity());
    return medium->Close() && written;
}

std::string RememberedAdapter::Find(const std::string& storedName, const std::string& regKey,
                                    const std::string& section) const {
    std::unique_ptr<SettingsMedium> medium = medium_ ? medium_() : nullptr;
    if (!medium || !medium->OpenKey(regKey)) {
        return storedName;
    }
    std::string identity;
    const bool known = medium->ReadString(section, kAdapterIdentityValue, identity) == SettingsMedium::ReadStatus::Text;
    medium->Close();
    if (!known || identity.empty() || !present_) {
        return storedName;
    }
    return FindRememberedPort(storedName, identity, present_());
}

} // namespace zeft
