#include "serial/PortDoctorShell.h"

#include <cstddef>

namespace zeft {

namespace {

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7f;
}

// U+0080 to U+009F in UTF-8: the C1 controls, CSI and OSC among them.
bool IsC1At(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == 0xc2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) >= 0x80 && static_cast<unsigned char>(text[i + 1]) <= 0x9f;
}

void AppendOctal(std::string& out, unsigned char c) {
    out += '\\';
    out += static_cast<char>('0' + (c >> 6));
    out += static_cast<char>('0' + ((c >> 3) & 7));
    out += static_cast<char>('0' + (c & 7));
}

void AppendHex(std::string& out, unsigned char c) {
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[c >> 4];
    out += kDigits[c & 0x0f];
}

} // namespace

std::string ShellQuoted(std::string_view name) {
    std::string out = "'";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '\'') {
            out += "'\\''";
        } else if ((IsControl(c) && c != '\n') || IsC1At(name, i)) {
            // Leave the quotes, splice in the byte(s), go on quoting.
            out += "'\"$(printf '";
            AppendOctal(out, c);
            if (c == 0xc2) {
                AppendOctal(out, static_cast<unsigned char>(name[++i]));
            }
            out += "')\"'";
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "'";
}

std::string ShellPath(std::string_view path) {
    return !path.empty() && path[0] == '-' ? ShellQuoted("./" + std::string(path)) : ShellQuoted(path);
}

std::string CommentText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsControl(c) || IsC1At(text, i)) {
            AppendHex(out, c);
            if (c == 0xc2) {
                AppendHex(out, static_cast<unsigned char>(text[++i]));
            }
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace zeft
