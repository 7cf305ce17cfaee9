#pragma once

#include <string>

namespace zeft {

// A to Z as a to z and every other byte as it is, whatever the C locale says: keys, hex
// digits and labels compare the same in every language the program runs in.
inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLower(std::string text) {
    for (char& c : text) {
        c = AsciiLower(c);
    }
    return text;
}

} // namespace zeft
