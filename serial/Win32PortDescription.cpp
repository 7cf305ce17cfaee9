#include "serial/PortDescription.h"

namespace zeft {

// No sysfs on Windows: its ports are known by their COM names only.
void DescribeDevicePort(PortDescription&, const DeviceTree&) {}

} // namespace zeft
