#pragma once

// The core's texts are UTF-8 std::strings; Qt wants QStrings.

#include <QString>

#include <string_view>

namespace zeft::ui {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zeft::ui
