#include "serial/LineSettingNames.h"

#include "serial/SerialLink.h"

namespace zeft {

std::string ParityLetter(std::uint8_t parity) {
    return std::string(kParityNames.at(parity < kParityNames.size() ? parity : 0).letter);
}

std::string StopBitsText(std::uint8_t stopBits) {
    return std::string(kStopBitsNames.at(stopBits < kStopBitsNames.size() ? stopBits : 0).text);
}

std::string PortStatusText(const TSerialLink& port) {
    return port.CommPort() + ", " + std::to_string(port.BaudRate()) + ", " + std::to_string(port.DataBits()) +
           ParityLetter(port.ParityType()) + StopBitsText(port.StopBits());
}

std::optional<std::uint8_t> ParityCode(std::string_view word) {
    for (std::size_t code = 0; code < kParityNames.size(); ++code) {
        if (word == kParityNames[code].word) {
            return static_cast<std::uint8_t>(code);
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> StopBitsCode(std::string_view text) {
    for (std::size_t code = 0; code < kStopBitsNames.size(); ++code) {
        if (text == kStopBitsNames[code].text) {
            return static_cast<std::uint8_t>(code);
        }
    }
    return std::nullopt;
}

std::int32_t FlowCodeFromIndex(int index) {
    return index >= 0 && index < static_cast<int>(kFlowControlNames.size())
               ? kFlowControlNames[static_cast<std::size_t>(index)].code
               : 0;
}

int FlowIndexFromCode(std::int32_t code) {
    for (std::size_t index = 0; index < kFlowControlNames.size(); ++index) {
        if (kFlowControlNames[index].code == code) {
            return static_cast<int>(index);
        }
    }
    return 0;
}

} // namespace zeft
