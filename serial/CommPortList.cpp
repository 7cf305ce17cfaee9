#include "serial/CommPortList.h"

#include "serial/device/SerialDeviceFactory.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zeft {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

#ifdef _WIN32

std::string ReadStringValue(HKEY key, const char* name, bool& ok) {
    DWORD type = 0;
    DWORD size = 0;
    ok = false;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        return {};
    }
    std::string data(size + 1, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    ok = true;
    return std::string(data.c_str());
}

// NT family: every string value of the device map is a port name.
void ScanSerialCommKey(std::vector<std::string>& strings) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof(name);
        DWORD type = 0;
        BYTE data[256];
        DWORD dataSize = sizeof(data) - 1;
        const LONG result = RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        data[dataSize] = 0;
        AddPortName(strings, std::string(reinterpret_cast<const char*>(data)));
    }
    RegCloseKey(key);
}

// The later 9x releases: a walk of the device enumeration tree for ports and modems whose
// driver class says serial port (sub-class 1 or 2).
void ScanEnumKey(std::vector<std::string>& strings, const std::string& keyPath) {
    HKEY key = nullptr;
    const std::string path = keyPath.empty() || keyPath.front() != '\\' ? keyPath : keyPath.substr(1);
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    bool ok = false;
    std::string deviceClass = ReadStringValue(key, "class", ok);
    if (ok) {
        std::transform(deviceClass.begin(), deviceClass.end(), deviceClass.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        bool driverOk = false;
        bool portOk = false;
        if (deviceClass == "ports" || deviceClass == "modem") {
            const std::string driver = ReadStringValue(key, "driver", driverOk);
            const std::string portName = ReadStringValue(key, "portname", portOk);
            HKEY classKey = nullptr;
            if (driverOk && portOk &&
                RegOpenKeyExA(HKEY_LOCAL_MACHINE, ("System\\CurrentControlSet\\Services\\Class\\" + driver).c_str(), 0,
                              KEY_READ, &classKey) == ERROR_SUCCESS) {
                BYTE subClass[2] = {};
                DWORD size = sizeof(subClass);
                DWORD type = 0;
                if (RegQueryValueExA(classKey, "PortSubClass", nullptr, &type, subClass, &size) == ERROR_SUCCESS &&
                    type == REG_BINARY && size == 1 && (subClass[0] == 1 || subClass[0] == 2)) {
                    AddPortName(strings, portName);
                }
                RegCloseKey(classKey);
            }
        }
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof(name);
        const LONG result = RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) {
            break;
        }
        ScanEnumKey(strings, path + "\\" + name);
    }
    RegCloseKey(key);
}

void ScanPlatformPorts(std::vector<std::string>& strings) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL known = GetVersionExA(&version);
#pragma GCC diagnostic pop
    if (!known || version.dwPlatformId < 1 || version.dwMajorVersion < 4) {
        return;
    }
    if (version.dwMajorVersion > 4 || version.dwMinorVersion == 0) {
        ScanSerialCommKey(strings);
    } else {
        ScanEnumKey(strings, "\\enum");
    }
}

#else

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string ReadFirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

void ScanPlatformPorts(std::vector<std::string>& strings) {
    ScanSysfsTtys(strings, "/sys/class/tty", "/dev");
}

#endif

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

#ifndef _WIN32

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

#endif

void EnumCommPorts(std::vector<std::string>& strings) {
    ScanPlatformPorts(strings);
    for (const std::string& name : SerialDeviceFactory::RegisteredNames()) {
        AddPortName(strings, name);
    }
}

} // namespace zeft
