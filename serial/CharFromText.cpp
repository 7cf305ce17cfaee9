#include "serial/CharFromText.h"

#include "base/NumberText.h"

#include <cstdio>

namespace zeft {

CharResult CharFromText(const std::string& text, int defaultValue) {
    if (text.size() == 1) {
        return {true, static_cast<unsigned char>(text[0]), {}};
    }
    if (text.empty()) {
        return {true, defaultValue, {}};
    }
    const bool hex = text.rfind("0x", 0) == 0;
    const auto number = WholeInteger(hex ? "$" + text.substr(2) : text);
    if (!number || (hex && text.size() == 2)) {
        return {false, 0, "'" + text + "' is not a valid integer value"};
    }
    if (*number < 0 || *number > 255) {
        char message[96];
        std::snprintf(message, sizeof(message), "%d is not within the valid range of %d..%d", *number, 0, 255);
        return {false, 0, message};
    }
    return {true, *number, {}};
}

} // namespace zeft
