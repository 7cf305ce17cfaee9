#pragma once

#include <cstdint>
#include <string>

namespace zeft {

// The serial component's stored settings: the values the port settings store writes and
// reads, with the defaults that reading gives a missing value.
struct PortSettings {
    std::string CommPort = "COM2";
    std::uint32_t BaudRate = 9600;
    std::uint8_t ParityType = 0;
    char ParityErrorChar = 0;
    bool ParityErrorReplacement = false;
    std::uint8_t StopBits = 0;
    std::uint8_t DataBits = 8;
    char XONChar = 17;
    char XOFFChar = 19;
    std::uint8_t XONLimDiv = 33;
    std::uint8_t XOFFLimDiv = 33;
    std::int32_t FlowControl = 0;
    bool StripNullChars = false;
    char EventChar = 0;
    std::uint32_t RTOCharDelayTime = 1100;
    std::uint16_t RTOExtraDelayTime = 250;
    std::uint16_t ClusterSize = 3072;
    std::uint16_t RxQueueSize = 4096;
    std::uint16_t TxQueueSize = 4096;
    std::uint32_t WTOCharDelayTime = 1100;
    std::uint16_t WTOExtraDelayTime = 250;
    bool XTOAuto = true;
    bool RTSState = true;
    bool DTRState = true;
    bool BREAKState = false;
    std::uint8_t ErrorNoise = 2;
    bool Active = false;

    bool operator==(const PortSettings&) const = default;
};

// What the store needs from a serial component.
class PortSettingsTarget {
public:
    virtual ~PortSettingsTarget() = default;

    // The component's current values, Active included.
    virtual PortSettings Current() const = 0;
    // The Active setter: opens or closes the port.
    virtual void SetActive(bool active) = 0;
    // The CommPort setter: reopens an open port under a new name.
    virtual void SetCommPort(const std::string& name) = 0;
    // Takes every value but Active without the setters' side effects; ParityErrorChar
    // goes through its setter.
    virtual void StoreDirectly(const PortSettings& values) = 0;
    // The component's error reporting.
    virtual void Report(std::uint32_t place, std::uint32_t code, std::uint8_t noise, const std::string& msg) = 0;
};

} // namespace zeft
