#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zeft::cli {

// The line settings a device command takes; every other port setting keeps the value it
// has when the settings are loaded without a stored port.
struct LineOptions {
    std::uint32_t baudRate = 9600;
    std::uint8_t dataBits = 8;
    std::string parity = "none";
    std::string stopBits = "1";
};

// The component's codes: parity 0 none, 1 odd, 2 even, 3 mark, 4 space; stop bits 0 one,
// 1 one and a half, 2 two. Empty for a word the tool does not know.
std::optional<std::uint8_t> ParityCode(const std::string& word);
std::optional<std::uint8_t> StopBitsCode(const std::string& word);

} // namespace zeft::cli
