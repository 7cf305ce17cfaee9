#include "serial/CommPortList.h"

#include <windows.h>

namespace zeft {

// Every string value of the registry's device map is a port name.
void ScanPlatformPorts(std::vector<std::string>& strings) {
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

} // namespace zeft
