#include "serial/device/SerialDevice.h"

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zeft {

std::uint32_t SerialDevice::TickCount() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps like the platform's uptime tick; the component only takes differences.
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int QueryPlatformFamily() {
#ifdef _WIN32
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    if (!GetVersionExA(&info)) {
        return -1;
    }
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    return static_cast<int>(info.dwPlatformId);
#else
    return 2;
#endif
}

} // namespace zeft
