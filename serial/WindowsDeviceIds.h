#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// The USB facts a Windows device instance id carries, as sysfs would give them: vendor and
// product as four lower-case hex digits, the interface of a composite device as two, and
// the serial number where the id holds one (Windows makes up an id with "&" in it for a
// device that has none).
struct WindowsUsbIds {
    std::optional<std::string> vendorId;
    std::optional<std::string> productId;
    std::optional<std::string> usbInterface;
    std::optional<std::string> serial;
};

// From a device instance id, such as a USB adapter's "USB\VID_0403&PID_6001\A600ABCD" (the
// last part its serial number), the interface of a composite device without a serial
// number "USB\VID_2341&PID_8036&MI_00\6&1A2B3C&0&0000", or one of FTDI's own driver
// "FTDIBUS\VID_0403+PID_6001+A600ABCDA\0000".
WindowsUsbIds WindowsUsbIdsFromInstanceId(std::string_view instanceId);

// The line a person recognises: the maker and the device's own description, as the
// device manager lists them ("FTDI" and "USB Serial Port"). A maker Windows writes in
// brackets, such as "(Standard port types)", is left out.
std::optional<std::string> WindowsPortDescription(const std::string& maker, const std::string& description);

} // namespace zeft
