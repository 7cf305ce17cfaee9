#pragma once

// What the device manager knows of one device, read through SetupAPI: shared by the port
// descriptions and the port doctor.

#include <windows.h>

#include <setupapi.h>

#include <string>

namespace zeft {

// A text property of the device (a list gives its first string); empty when absent.
std::string DeviceTextProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property);

// The COM name the port driver gave the device, from its own registry key; empty when none.
std::string DeviceComName(HDEVINFO set, SP_DEVINFO_DATA& device);

} // namespace zeft
