#pragma once

#include "serial/virtual/VirtualProductionLine.h"
#include "serial/virtual/VirtualSender.h"

#include <memory>

#include <string>
#include <string_view>

namespace zeft {

// The port name of the virtual sender: not a device path on any platform.
inline constexpr std::string_view kVirtualSenderPortName = "ZEFT Virtual Sender";

// Reads a virtual sender port name: the plain name, or the name followed by a list of
// faults in brackets, such as "ZEFT Virtual Sender (noise, split)". Faults: "silent",
// "old firmware", "forgetful", "first D", "KK", "noise", "split", "stop after N", "slow N" (N ms more
// before each reply). False for any other name or an unknown fault.
bool ParseVirtualSenderPortName(std::string_view name, VirtualSenderFaults& faults);
// One fault of that list, added to faults; false for an unknown one.
bool ApplyVirtualSenderFault(std::string_view fault, VirtualSenderFaults& faults);

// The port name of the virtual production line.
inline constexpr std::string_view kVirtualProductionLinePortName = "ZEFT Virtual Production Line";

// Reads a production line's port name: the plain name, or the name followed by a list in
// brackets of "pace N" (N ms for a sender to go and for the next to come) and "sender N"
// with a fault of the list above, such as
// "ZEFT Virtual Production Line (pace 1500, sender 2 forgetful)". False for any other name.
// A production run notices that a sender went away only when a whole look of a second
// finds none: a pace under about 1.4 s leaves it no such look.
bool ParseVirtualProductionLinePortName(std::string_view name, VirtualProductionLineSetup& setup);

// Makes the name a port of the backend factory, with a new line behind it (its first
// sender present), which every open of the port reaches until the name is registered
// again. Returns the line, none when the name is not a production line name.
std::shared_ptr<VirtualProductionLine>
RegisterVirtualProductionLine(const std::string& name = std::string(kVirtualProductionLinePortName));

// A name of either kind: a port simulated by this program.
bool IsVirtualPortName(std::string_view name);

// Makes the name (plain or with faults) a port of the backend factory. The sender behind
// it keeps its settings from one open to the next, and from one registration of the
// name to the next, for as long as the program runs.
// A production line name registers its line. Returns false when the name is neither.
bool RegisterVirtualSenderPort(const std::string& name = std::string(kVirtualSenderPortName));

} // namespace zeft
