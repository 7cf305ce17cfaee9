#include "serial/SerialLinkSettingsTarget.h"

#include "serial/RememberedAdapter.h"
#include "serial/SerialLink.h"

namespace zeft {

PortSettings SerialLinkSettingsTarget::Current() const {
    PortSettings s;
    s.CommPort = link_.CommPort();
    s.BaudRate = link_.BaudRate();
    s.ParityType = link_.ParityType();
    s.ParityErrorChar = link_.ParityErrorChar();
    s.ParityErrorReplacement = link_.ParityErrorReplacement();
    s.StopBits = link_.StopBits();
    s.DataBits = link_.DataBits();
    s.XONChar = link_.XONChar();
    s.XOFFChar = link_.XOFFChar();
    s.XONLimDiv = link_.XONLimDiv();
    s.XOFFLimDiv = link_.XOFFLimDiv();
    s.FlowControl = link_.FlowControl();
    s.StripNullChars = link_.StripNullChars();
    s.EventChar = link_.EventChar();
    s.RTOCharDelayTime = link_.RTOCharDelayTime();
    s.RTOExtraDelayTime = link_.RTOExtraDelayTime();
    s.ClusterSize = link_.ClusterSize();
    s.RxQueueSize = link_.RxQueueSize();
    s.TxQueueSize = link_.TxQueueSize();
    s.WTOCharDelayTime = link_.WTOCharDelayTime();
    s.WTOExtraDelayTime = link_.WTOExtraDelayTime();
    s.XTOAuto = link_.XTOAuto();
    s.RTSState = link_.RTSState();
    s.DTRState = link_.DTRState();
    s.BREAKState = link_.BREAKState();
    s.ErrorNoise = link_.ErrorNoise();
    s.Active = link_.Active();
    return s;
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
