#include "cli/PortNameInput.h"

namespace zeft::cli {

std::string PortNameFromInput(const std::string& typed) {
    return typed;
}

std::string_view PortNameExample() {
    return "a device path such as /dev/ttyUSB0";
}

} // namespace zeft::cli
