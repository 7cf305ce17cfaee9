#pragma once

#include <cstdint>
#include <optional>

namespace zeft {

// The standard line speeds of termios and the rates they stand for. The constants travel
// as plain numbers: on Linux they are the same in <termios.h> and in the kernel's termios2
// header, which cannot share a unit with it.

// The speed constant of a standard rate (B9600 for 9600); nothing for any other rate.
std::optional<unsigned long> StandardSpeedOfRate(std::uint32_t rate);

// The rate of a speed constant; nothing for a constant that is no standard rate (BOTHER).
std::optional<std::uint32_t> RateOfStandardSpeed(unsigned long speed);

} // namespace zeft
