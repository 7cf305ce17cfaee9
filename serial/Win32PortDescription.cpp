#include "serial/PortDescription.h"

namespace zeft {

// Windows has no sysfs: its ports are known by their COM names only (Windows itself gives
// an adapter with a serial number the same COM name in every socket).
void DescribeDevicePort(PortDescription&, const DeviceTree&) {}

} // namespace zeft
