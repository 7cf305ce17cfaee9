#include "cli/PortNameInput.h"

#include <algorithm>

namespace zeft::cli {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) { return Upper(a) == Upper(b); });
}

} // namespace

std::string WindowsPortName(std::string_view typed) {
    std::string_view name = typed;
    if (name.starts_with("\\\\.\\")) {
        name.remove_prefix(4);
    }
    if (StartsWithNoCase(name, "COM") && name.size() > 3 && std::all_of(name.begin() + 3, name.end(), IsDigit)) {
        return "COM" + std::string(name.substr(3));
    }
    return std::string(name);
}

} // namespace zeft::cli
