#include "serial/CommPortList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace zeft {

namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string ReadFirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

void ScanPlatformPorts(std::vector<std::string>& strings) {
    ScanSysfsTtys(strings, "/sys/class/tty", "/dev");
}

void ScanSysfsTtys(std::vector<std::string>& strings, const std::filesystem::path& ttyClass,
                   const std::filesystem::path& devices) {
    std::error_code error;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(ttyClass, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::filesystem::path entry = ttyClass / name;
        const bool hasDevice = std::filesystem::exists(entry / "device", error);
        bool serial = false;
        if (StartsWith(name, "ttyS") && name.size() > 4 && std::isdigit(static_cast<unsigned char>(name[4]))) {
            // The 8250 driver lists every possible port; type 0 means no UART answered.
            const std::string type = ReadFirstLine(entry / "type");
            serial = hasDevice && !type.empty() && type != "0";
        } else if (StartsWith(name, "rfcomm")) {
            serial = true;
        } else {
            serial = hasDevice;
        }
        if (serial && std::filesystem::exists(devices / name, error)) {
            AddPortName(strings, (devices / name).string());
        }
    }
}

} // namespace zeft
