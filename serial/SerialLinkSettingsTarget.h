#pragma once

#include "serial/settings/PortSettings.h"
#include "serial/settings/PortSettingsStore.h"

#include <string>

namespace zeft {

class TSerialLink;

// The port settings store's view of a TSerialLink. Active and CommPort go through the
// component's setters (they close, open and reopen the port); every other value is taken
// by StoreSettingsDirectly without the setters' side effects (nothing reaches the device,
// no character times are recomputed, the XON/XOFF dividers are not limited, the lines are
// not driven), except ParityErrorChar, which goes through its setter.
class SerialLinkSettingsTarget : public PortSettingsTarget {
public:
    explicit SerialLinkSettingsTarget(TSerialLink& link) : link_(link) {}

    PortSettings Current() const override;
    void SetActive(bool active) override;
    void SetCommPort(const std::string& name) override;
    void StoreDirectly(const PortSettings& values) override;
    void Report(std::uint32_t place, std::uint32_t code, std::uint8_t noise, const std::string& msg) override;

private:
    TSerialLink& link_;
};

// The serial component's WriteSettings and ReadSettings, on the user's medium unless a
// store is given.
void WriteSettings(TSerialLink& port, const std::string& regKey, const std::string& section,
                   const PortSettingsStore& store = PortSettingsStore());
void ReadSettings(TSerialLink& port, const std::string& regKey, const std::string& section,
                  const PortSettingsStore& store = PortSettingsStore());

} // namespace zeft
