#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

class TSerialLink;

// The serial component's line settings by their codes, with the names each place shows:
// the Communication Settings dialog's lists, the main window's status bar and the
// command-line tool's options. One table, so that the places cannot drift apart.

// Parity: code 0 none, 1 odd, 2 even, 3 mark, 4 space (the index in the table).
struct ParityName {
    std::string_view listItem; // CBParity
    std::string_view letter;   // the status bar's "8N1"
    std::string_view word;     // zeftctl's --parity
};
inline constexpr std::array<ParityName, 5> kParityNames = {{
    {"None (*)", "N", "none"},
    {"Odd", "O", "odd"},
    {"Even", "E", "even"},
    {"Mark", "M", "mark"},
    {"Space", "S", "space"},
}};

// Stop bits: code 0 one, 1 one and a half, 2 two (the index in the table).
struct StopBitsName {
    std::string_view listItem; // CBStop
    std::string_view text;     // the status bar's "8N1" and zeftctl's --stop-bits
};
inline constexpr std::array<StopBitsName, 3> kStopBitsNames = {{
    {"1 Bit (*)", "1"},
    {"1,5 Bits", "1.5"},
    {"2 Bits", "2"},
}};

// Flow control: the component's code of each CBFlow item.
struct FlowControlName {
    std::string_view listItem;
    std::int32_t code;
};
inline constexpr std::array<FlowControlName, 4> kFlowControlNames = {{
    {"None (*)", 0},
    {"XOn-XOff", 896},
    {"RTS-CTS", 8196},
    {"DSR-DTR", 40},
}};

// The baud rates and data bits CBBaud and CBData offer, and the index each selects when
// the component's value is not among them.
inline constexpr std::array<std::string_view, 15> kBaudRateItems = {"110",   "300",   "600",    "1200",   "2400",
                                                                    "4800",  "9600",  "14400",  "19200",  "38400",
                                                                    "56000", "57600", "115000", "128000", "256000"};
inline constexpr int kUsualBaudRateIndex = 6;
inline constexpr std::array<std::string_view, 5> kDataBitsItems = {"4 Bit", "5 Bit", "6 Bit", "7 Bit", "8 Bit"};
inline constexpr int kUsualDataBitsIndex = 4;

// The status bar's names; an unknown code reads as the usual choice (N, 1).
std::string ParityLetter(std::uint8_t parity);
std::string StopBitsText(std::uint8_t stopBits);
// The status bar's second panel for an open port: "COM1, 9600, 8N1".
std::string PortStatusText(const TSerialLink& port);

// zeftctl's words to codes; empty for a word not in the table.
std::optional<std::uint8_t> ParityCode(std::string_view word);
std::optional<std::uint8_t> StopBitsCode(std::string_view text);

// Flow control code of a CBFlow index and back; outside the table, no flow control.
std::int32_t FlowCodeFromIndex(int index);
int FlowIndexFromCode(std::int32_t code);

} // namespace zeft
