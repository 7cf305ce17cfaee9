#include "serial/PortDescription.h"
#include "serial/Win32DeviceProperties.h"
#include "serial/WindowsDeviceIds.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

namespace zeft {

// No sysfs on Windows: the device manager's Ports class says what each COM port is.
void DescribeDevicePort(PortDescription& port, const DeviceTree&) {
    const HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        if (DeviceComName(set, device) != port.name) {
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
        port.description = WindowsPortDescription(DeviceTextProperty(set, device, SPDRP_MFG),
                                                  DeviceTextProperty(set, device, SPDRP_DEVICEDESC));
        break;
    }
    SetupDiDestroyDeviceInfoList(set);
}

} // namespace zeft
