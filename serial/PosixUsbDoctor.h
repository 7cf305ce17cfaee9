#pragma once

#include "serial/PortDoctor.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

// The USB side of the Linux checks, over the machine view's sysfs, udev rules and udev
// database.

// A sysfs attribute's first line, trimmed; nothing when absent or blank.
std::optional<std::string> SysfsLine(const std::filesystem::path& file);

// The USB interface a tty sits on and the device it belongs to.
struct TtyOnUsb {
    std::filesystem::path interface;
    std::filesystem::path device;
    std::string vendor;
    std::string product;
    std::string serial;   // the adapter's serial number; empty when it has none
    std::string location; // the USB device's name: its bus and sockets, "1-2.3"
    // A CDC ACM interface that announces AT commands: what ModemManager probes by default.
    bool speaksAt = false;
};
// From the tty's class entry (sysfs/class/tty/ttyACM0); nothing for a tty not on USB.
std::optional<TtyOnUsb> UsbOfTty(const std::filesystem::path& ttyEntry);

// Whether udev marked the tty or its USB device with ID_MM_DEVICE_IGNORE.
bool MarkedNotAModem(const MachineView& view, const std::filesystem::path& ttyEntry, const TtyOnUsb& usb);

// USB serial adapters without a serial port: claimed by the braille daemon's rules, or a
// known bridge with no driver bound.
void DiagnoseUsbAdapters(const MachineView& view, std::vector<PortFinding>& findings);

} // namespace zeft
