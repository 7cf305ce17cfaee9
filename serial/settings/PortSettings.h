#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

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

// Calls visit(name, member) for every setting but Active, in the order they are stored,
// and stops at the first call that returns false; returns whether none did. The one list
// of the settings: copying, saving and loading all go through it, so a new setting is a
// line here (and a member above). Active is not among them: it opens the port, so the
// store reads it first and applies it last.
template <typename Visitor> bool ForEachPortSetting(Visitor&& visit) {
    using S = PortSettings;
    return visit("CommPort", &S::CommPort) &&                             //
           visit("BaudRate", &S::BaudRate) &&                             //
           visit("ParityType", &S::ParityType) &&                         //
           visit("ParityErrorChar", &S::ParityErrorChar) &&               //
           visit("ParityErrorReplacement", &S::ParityErrorReplacement) && //
           visit("StopBits", &S::StopBits) &&                             //
           visit("DataBits", &S::DataBits) &&                             //
           visit("XONChar", &S::XONChar) &&                               //
           visit("XOFFChar", &S::XOFFChar) &&                             //
           visit("XONLimDiv", &S::XONLimDiv) &&                           //
           visit("XOFFLimDiv", &S::XOFFLimDiv) &&                         //
           visit("FlowControl", &S::FlowControl) &&                       //
           visit("StripNullChars", &S::StripNullChars) &&                 //
           visit("EventChar", &S::EventChar) &&                           //
           visit("RTOCharDelayTime", &S::RTOCharDelayTime) &&             //
           visit("RTOExtraDelayTime", &S::RTOExtraDelayTime) &&           //
           visit("ClusterSize", &S::ClusterSize) &&                       //
           visit("RxQueueSize", &S::RxQueueSize) &&                       //
           visit("TxQueueSize", &S::TxQueueSize) &&                       //
           visit("WTOCharDelayTime", &S::WTOCharDelayTime) &&             //
           visit("WTOExtraDelayTime", &S::WTOExtraDelayTime) &&           //
           visit("XTOAuto", &S::XTOAuto) &&                               //
           visit("RTSState", &S::RTSState) &&                             //
           visit("DTRState", &S::DTRState) &&                             //
           visit("BREAKState", &S::BREAKState) &&                         //
           visit("ErrorNoise", &S::ErrorNoise);
}

// Whether member is the given setting (members of another type never are).
template <typename T, typename U> constexpr bool IsSetting(T PortSettings::*member, U PortSettings::*setting) {
    if constexpr (std::is_same_v<T, U>) {
        return member == setting;
    } else {
        return false;
    }
}

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
