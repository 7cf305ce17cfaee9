#pragma once

#include <cerrno>
#include <cstdint>

namespace zeft {

// The calling thread's last system error, as the unsigned code the device interface and
// its reports carry.
inline std::uint32_t Errno() {
    return static_cast<std::uint32_t>(errno);
}

} // namespace zeft
