#include "cli/PortNameInput.h"

namespace zeft::cli {

std::string PortNameFromInput(const std::string& typed) {
    return WindowsPortName(typed);
}

std::string_view PortNameExample() {
    return "a COM port such as COM3";
}

} // namespace zeft::cli
