#include "cli/PortNameInput.h"

namespace zeft::cli {

std::string PortNameFromInput(const std::string& typed) {
    return WindowsPortName(typed);
}

} // namespace zeft::cli
