#include "app/ProgramFileVersion.h"

#include <vector>

#include <windows.h>

namespace zeft {

ProgramFileVersion ReadProgramFileVersion(const std::string& programPath) {
    ProgramFileVersion version;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(programPath.c_str(), &ignored);
    if (size == 0) {
        return version;
    }
    std::vector<unsigned char> buffer(size);
    if (!GetFileVersionInfoA(programPath.c_str(), 0, size, buffer.data())) {
        return version;
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&info), &length) && info != nullptr) {
        version.major = HIWORD(info->dwFileVersionMS);
        version.minor = LOWORD(info->dwFileVersionMS);
        version.release = HIWORD(info->dwFileVersionLS);
        version.build = LOWORD(info->dwFileVersionLS);
    }
    return version;
}

std::string RunningProgramPath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            return std::string(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

} // namespace zeft
