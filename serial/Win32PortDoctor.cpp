#include "serial/PortDoctor.h"

#include "serial/CommPortList.h"
#include "serial/Win32DeviceProperties.h"
#include "serial/WindowsDeviceIds.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <windows.h>

#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cctype>

namespace zeft {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Ports-class devices, and USB serial bridges of any class (one without its driver sits
// under "Other devices"), that the configuration manager marks with a problem. port, when
// given, narrows them to the device of that COM name.
void CheckDevices(const std::string& port, std::vector<PortFinding>& findings) {
    const HDEVINFO set = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        ULONG status = 0;
        ULONG problem = 0;
        if (CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0) != CR_SUCCESS ||
            (status & DN_HAS_PROBLEM) == 0) {
            continue;
        }
        char instance[512] = {};
        WindowsUsbIds ids;
        if (SetupDiGetDeviceInstanceIdA(set, &device, instance, sizeof instance - 1, nullptr)) {
            ids = WindowsUsbIdsFromInstanceId(instance);
        }
        const bool bridge = ids.vendorId && ids.productId && KnownSerialBridge(*ids.vendorId, *ids.productId);
        if (device.ClassGuid != GUID_DEVCLASS_PORTS && !bridge) {
            continue;
        }
        const std::string comName = DeviceComName(set, device);
        if (!port.empty() && !SameName(comName, port)) {
            continue;
        }
        std::string name = DeviceTextProperty(set, device, SPDRP_FRIENDLYNAME);
        if (name.empty()) {
            name = DeviceTextProperty(set, device, SPDRP_DEVICEDESC);
        }
        if (name.empty()) {
            name = comName.empty() ? std::string(instance) : comName;
        }
        findings.push_back(finding::DeviceProblem(name, problem));
    }
    SetupDiDestroyDeviceInfoList(set);
}

// Whether the port opens: Windows gives a port to one program at a time. False when there is
// no such port.
bool CheckInUse(const std::string& port, std::vector<PortFinding>& findings) {
    const std::string path = "\\\\.\\" + port;
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return true;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
        findings.push_back(finding::PortInUse(port));
    }
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

} // namespace

std::vector<PortFinding> DiagnosePorts(const std::string& port, std::vector<std::string>* lookedAt) {
    std::vector<PortFinding> findings;
    std::vector<std::string> looked;
    if (!port.empty() && IsVirtualPortName(port)) {
        if (lookedAt != nullptr) {
            *lookedAt = {port};
        }
        return findings;
    }
    std::vector<std::string> present;
    EnumCommPorts(present);
    present.erase(
        std::remove_if(present.begin(), present.end(), [](const std::string& name) { return IsVirtualPortName(name); }),
        present.end());
    if (!port.empty()) {
        // A port the device map does not list may still open (some virtual port drivers).
        if (!CheckInUse(port, findings)) {
            findings.push_back(finding::MissingPort(port, present));
            CheckDevices(std::string(), findings); // an adapter that failed may be why
        } else {
            looked.push_back(port);
            CheckDevices(port, findings);
        }
        if (lookedAt != nullptr) {
            *lookedAt = looked;
        }
        return findings;
    }
    for (const std::string& name : present) {
        CheckInUse(name, findings);
    }
    if (lookedAt != nullptr) {
        *lookedAt = present;
    }
    CheckDevices(std::string(), findings);
    if (present.empty() && findings.empty()) {
        findings.push_back(finding::NoPorts());
    }
    return findings;
}

} // namespace zeft
