#include "main/RegularFile.h"

#include <algorithm>
#include <fstream>

namespace zeft {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit) {
    // Names such as CON, COM1 or a named pipe are no regular files, so nothing blocks.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16 * 1024];
    while (file && bytes.size() < limit) {
        const std::uintmax_t wanted = std::min<std::uintmax_t>(sizeof buffer, limit - bytes.size());
        file.read(buffer, static_cast<std::streamsize>(wanted));
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    }
    return bytes;
}

} // namespace zeft
