#include "base/DataLocations.h"

#include <system_error>

namespace zeft {

std::filesystem::path ProgramFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return program.parent_path();
}

} // namespace zeft
