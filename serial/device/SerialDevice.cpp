#include "serial/device/SerialDevice.h"

#include <chrono>

namespace zeft {

std::uint32_t SerialDevice::TickCount() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps like the platform's uptime tick; the component only takes differences.
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

} // namespace zeft
