#pragma once

#include <string>

namespace zeft {

// A character setting as typed in the port settings: one character gives its code, the
// empty text gives defaultValue, a longer text is a number (hexadecimal after "0x") that
// must lie within 0..255. On failure error holds why, in the words the user sees.
struct CharResult {
    bool ok = false;
    int value = 0;
    std::string error;
};
CharResult CharFromText(const std::string& text, int defaultValue);

} // namespace zeft
