#include "cli/VisibleText.h"

#include <cstddef>

namespace zeft::cli {
namespace {

void AppendEscaped(std::string& out, unsigned char c) {
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[c >> 4];
    out += kDigits[c & 0x0f];
}

} // namespace

std::string VisibleText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xc2 && i + 1 < text.size()) {
            // U+0080 to U+009F: the C1 controls, CSI and OSC among them.
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9f) {
                AppendEscaped(out, c);
                AppendEscaped(out, next);
                ++i;
                continue;
            }
        }
        if ((c < 0x20 && c != '\n') || c == 0x7f) {
            AppendEscaped(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace zeft::cli
