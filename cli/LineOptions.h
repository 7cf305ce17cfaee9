#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

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

// The options every device command takes: --port (required unless said otherwise) and the
// line settings.
void AddLineOptions(CLI::App& command, std::string& port, LineOptions& line, bool portRequired = true);

} // namespace zeft::cli
