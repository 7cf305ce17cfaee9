#include "main/RegularFile.h"

#include <system_error>

namespace zeft {

bool IsSpecialFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

} // namespace zeft
