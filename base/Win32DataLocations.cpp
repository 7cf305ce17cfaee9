#include "base/DataLocations.h"

#include <string>

#include <windows.h>

namespace zeft {

std::filesystem::path ProgramFolder() {
    namespace fs = std::filesystem;
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        if (buffer.size() >= 32768) {
            return {};
        }
        buffer.resize(buffer.size() * 2); // the name was cut short
    }
    return fs::path(buffer).parent_path();
}

} // namespace zeft
