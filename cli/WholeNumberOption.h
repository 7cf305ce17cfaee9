#pragma once

#include <cstdint>

namespace CLI {
class Option;
}

namespace zeft::cli {

// Makes a numeric option refuse anything but a whole number from least to most, in words:
// "--last takes a whole number of at least 1", "--data-bits takes a whole number from 5 to
// 8", rather than CLI11's "Value abc not in range 0.000000 to 1.797693e+308". most is the
// option's type's limit when the option has no other. The refusal ends the parse as any
// option error does (exit status 2).
void TakeWholeNumber(CLI::Option& option, std::uint64_t least, std::uint64_t most);

} // namespace zeft::cli
