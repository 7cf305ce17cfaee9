#pragma once

#include "serial/settings/PortSettings.h"
#include "serial/settings/PortSettingsStore.h"

#include <string>

namespace zeft {

class TSerialLink;

// The port settings store's view of a TSerialLink. The component offers its setters only,
// so "stored directly" is done through them in an order that keeps their side effects
// away: character times after the baud rate with XTOAuto off, XTOAuto last. What the
// setters still do: XONLimDiv and XOFFLimDiv above 100 become 100 (with the component's
// warning), queue sizes are offered to the device, and RTS, DTR and BREAK keep their
// values while the port is closed.
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
