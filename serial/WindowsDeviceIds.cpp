#include "serial/WindowsDeviceIds.h"

#include <cctype>
#include <vector>

namespace zeft {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// "VID_0403" with prefix "VID_" and four digits: "0403". Hex digits only, lower case.
std::optional<std::string> HexField(std::string_view part, std::string_view prefix, std::size_t digits) {
    if (part.size() != prefix.size() + digits) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(part[i])) != prefix[i]) {
            return std::nullopt;
        }
    }
    std::string value;
    for (char c : part.substr(prefix.size())) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        value.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return value;
}

void TakeField(WindowsUsbIds& ids, std::string_view part) {
    if (auto vendor = HexField(part, "VID_", 4)) {
        ids.vendorId = vendor;
    } else if (auto product = HexField(part, "PID_", 4)) {
        ids.productId = product;
    } else if (auto usbInterface = HexField(part, "MI_", 2)) {
        ids.usbInterface = usbInterface;
    }
}

} // namespace

WindowsUsbIds WindowsUsbIdsFromInstanceId(std::string_view instanceId) {
    WindowsUsbIds ids;
    const std::vector<std::string_view> levels = Split(instanceId, '\\');
    if (levels.size() < 2) {
        return ids;
    }
    // USB\VID_0403&PID_6001[&MI_00]\serial, or a bus driver's VID_0403+PID_6001+serial.
    const char separator = levels[1].find('+') != std::string_view::npos ? '+' : '&';
    const std::vector<std::string_view> fields = Split(levels[1], separator);
    for (std::string_view field : fields) {
        TakeField(ids, field);
    }
    if (!ids.vendorId || !ids.productId) {
        return WindowsUsbIds{};
    }
    if (separator == '+') {
        if (fields.size() >= 3 && !fields[2].empty()) {
            ids.serial = std::string(fields[2]);
        }
    } else if (levels.size() >= 3 && !levels[2].empty() && levels[2].find('&') == std::string_view::npos) {
        ids.serial = std::string(levels[2]);
    }
    return ids;
}

std::optional<std::string> WindowsPortDescription(const std::string& maker, const std::string& description) {
    const bool knownMaker = !maker.empty() && maker.front() != '(';
    if (description.empty()) {
        return knownMaker ? std::optional<std::string>(maker + " serial port") : std::nullopt;
    }
    if (!knownMaker || description.rfind(maker, 0) == 0) {
        return description;
    }
    return maker + " " + description;
}

} // namespace zeft
