#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zeft::cli {

// The line settings a device command takes; every other port setting keeps the value it
// has when the settings are loaded without a stored port.
struct LineOptions {
    std::uint32_t baudRate = 9600;
    std::uint8_t dataBits = 8;
    std::string parity = "none";
    std::string stopBits = "1";
};

// The words --parity and --stop-bits take, from the line settings table.
std::vector<std::string> ParityWords();
std::vector<std::string> StopBitsWords();

} // namespace zeft::cli
