#include "cli/LineOptions.h"

#include "cli/PortNameInput.h"
#include "cli/WholeNumberOption.h"
#include "serial/LineSettingNames.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <CLI/CLI.hpp>

#include <limits>

namespace zeft::cli {

std::vector<std::string> ParityWords() {
    std::vector<std::string> words;
    for (const ParityName& name : kParityNames) {
        words.emplace_back(name.word);
    }
    return words;
}

std::vector<std::string> StopBitsWords() {
    std::vector<std::string> words;
    for (const StopBitsName& name : kStopBitsNames) {
        words.emplace_back(name.text);
    }
    return words;
}

void AddLineOptions(CLI::App& command, std::string& port, LineOptions& line, bool portRequired) {
    command
        .add_option("--port", port,
                    "serial port: " + std::string(PortNameExample()) + ", or \"" + std::string(kVirtualSenderPortName) +
                        "\"")
        ->required(portRequired)
        ->type_name("PORT");
    TakeWholeNumber(*command.add_option("--baud", line.baudRate, "baud rate")->default_val(9600), 1,
                    std::numeric_limits<std::uint32_t>::max());
    TakeWholeNumber(*command.add_option("--data-bits", line.dataBits, "data bits")->default_val(8), 5, 8);
    command.add_option("--parity", line.parity, "parity")->default_val("none")->check(CLI::IsMember(ParityWords()));
    command.add_option("--stop-bits", line.stopBits, "stop bits")
        ->default_val("1")
        ->check(CLI::IsMember(StopBitsWords()));
}

} // namespace zeft::cli
