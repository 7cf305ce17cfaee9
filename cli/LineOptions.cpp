#include "cli/LineOptions.h"

#include <array>
#include <string_view>

namespace zeft::cli {

std::optional<std::uint8_t> ParityCode(const std::string& word) {
    constexpr std::array<std::string_view, 5> kWords = {"none", "odd", "even", "mark", "space"};
    for (std::size_t code = 0; code < kWords.size(); ++code) {
        if (word == kWords[code]) {
            return static_cast<std::uint8_t>(code);
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> StopBitsCode(const std::string& word) {
    if (word == "1") {
        return 0;
    }
    if (word == "1.5") {
        return 1;
    }
    if (word == "2") {
        return 2;
    }
    return std::nullopt;
}

} // namespace zeft::cli
