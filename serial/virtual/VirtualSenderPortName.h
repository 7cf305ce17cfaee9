#pragma once

#include "serial/virtual/VirtualSender.h"

#include <string>
#include <string_view>

namespace zeft {

// The port name of the virtual sender: not a device path on any platform.
inline constexpr std::string_view kVirtualSenderPortName = "ZEFT Virtual Sender";

// Reads a virtual sender port name: the plain name, or the name followed by a list of
// faults in brackets, such as "ZEFT Virtual Sender (noise, split)". Faults: "silent",
// "old firmware", "first D", "KK", "noise", "split", "stop after N", "slow N" (N ms more
// before each reply). False for any other name or an unknown fault.
bool ParseVirtualSenderPortName(std::string_view name, VirtualSenderFaults& faults);

// Makes the name (plain or with faults) a port of the backend factory. The sender behind
// it keeps its settings from one open to the next, and from one registration of the
// name to the next, for as long as the program runs.
// Returns false when the name is not a virtual sender name.
bool RegisterVirtualSenderPort(const std::string& name = std::string(kVirtualSenderPortName));

} // namespace zeft
