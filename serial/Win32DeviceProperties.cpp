#include "serial/Win32DeviceProperties.h"

namespace zeft {

std::string DeviceTextProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    char buffer[1024] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set, &device, property, &type, reinterpret_cast<BYTE*>(buffer),
                                           sizeof buffer - 2, nullptr) ||
        (type != REG_SZ && type != REG_MULTI_SZ)) {
        return {};
    }
    return buffer;
}

std::string DeviceComName(HDEVINFO set, SP_DEVINFO_DATA& device) {
    const HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return {};
    }
    char name[256] = {};
    DWORD size = sizeof name - 1;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, "PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::string(name) : std::string();
}

} // namespace zeft
