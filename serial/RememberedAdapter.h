#pragma once

#include "serial/PortDescription.h"
#include "serial/settings/SettingsMedium.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zeft {

// The value, next to the port settings, that holds the identity of the chosen port's
// adapter, so that an adapter moved to another USB socket (and so to another ttyUSB
// number) is found again.
inline constexpr const char* kAdapterIdentityValue = "CommPortAdapter";

class RememberedAdapter {
public:
    using MediumFactory = std::function<std::unique_ptr<SettingsMedium>()>;
    using PortLister = std::function<std::vector<PortDescription>()>;

    // medium: where the port settings live; present: the ports there now.
    explicit RememberedAdapter(MediumFactory medium, PortLister present = DescribePresentPorts);

    // Writes the identity of the adapter behind portName (empty when it has none, so that
    // no stale identity outlives a change of port); a port not present leaves the value as
    // it was. False when it could not be written.
    bool Remember(const std::string& portName, const std::string& regKey, const std::string& section) const;
    // The name to use for a stored port name: the remembered adapter's present name when
    // it moved, otherwise the stored name.
    std::string Find(const std::string& storedName, const std::string& regKey, const std::string& section) const;

private:
    MediumFactory medium_;
    PortLister present_;
};

} // namespace zeft
