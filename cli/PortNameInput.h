#pragma once

#include <string>
#include <string_view>

namespace zeft::cli {

// A port name as the user typed it, made the name the port list and the device layer use.
// On Windows that is WindowsPortName's; elsewhere the name stays as typed.
std::string PortNameFromInput(const std::string& typed);

// An example of a port name as this platform spells it, for the --port option's help.
std::string_view PortNameExample();

// COM3, com3 and \\.\COM12 the way Windows users type them: the device prefix dropped
// (the device layer adds its own) and a COM port's name in capitals, as the device map
// lists it. Any other name stays as typed.
std::string WindowsPortName(std::string_view typed);

} // namespace zeft::cli
