#include "serial/PortDescription.h"
#include "serial/WindowsDeviceIds.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

namespace zeft {

namespace {

// A text property of the device (a list gives its first string); empty when absent.
std::string TextProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    char buffer[1024] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set, &device, property, &type, reinterpret_cast<BYTE*>(buffer),
                                           sizeof buffer - 2, nullptr) ||
        (type != REG_SZ && type != REG_MULTI_SZ)) {
        return {};
    }
    return buffer;
}

// The COM name the port driver gave the device, from its own registry key.
std::string ComNameOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
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

} // namespace

// No sysfs on Windows: the device manager's Ports class says what each COM port is.
void DescribeDevicePort(PortDescription& port, const DeviceTree&) {
    const HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        if (ComNameOf(set, device) != port.name) {
            continue;
        }
        char instance[512] = {};
        if (SetupDiGetDeviceInstanceIdA(set, &device, instance, sizeof instance - 1, nullptr)) {
            WindowsUsbIds ids = WindowsUsbIdsFromInstanceId(instance);
            port.vendorId = std::move(ids.vendorId);
            port.productId = std::move(ids.productId);
            port.usbInterface = std::move(ids.usbInterface);
            port.serial = std::move(ids.serial);
        }
        port.description =
            WindowsPortDescription(TextProperty(set, device, SPDRP_MFG), TextProperty(set, device, SPDRP_DEVICEDESC));
        break;
    }
    SetupDiDestroyDeviceInfoList(set);
}

} // namespace zeft
