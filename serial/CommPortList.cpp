#include "serial/CommPortList.h"

#include "serial/device/SerialDeviceFactory.h"

#include <algorithm>
#include <cctype>

namespace zeft {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

void AddPortName(std::vector<std::string>& strings, const std::string& name) {
    if (name.empty()) {
        return;
    }
    for (const std::string& present : strings) {
        if (SameName(present, name)) {
            return;
        }
    }
    strings.push_back(name);
}

void EnumCommPorts(std::vector<std::string>& strings) {
    ScanPlatformPorts(strings);
    for (const std::string& name : SerialDeviceFactory::RegisteredNames()) {
        AddPortName(strings, name);
    }
}

} // namespace zeft
