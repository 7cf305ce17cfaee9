#pragma once

#include "cli/DeviceCommand.h"

namespace zeft::cli {

// read: Read Device.
class ReadCommand : public DeviceCommand {
public:
    ReadCommand() : DeviceCommand("read", "Read Device: show the sender's settings", DeviceOperation::Read) {}
};

} // namespace zeft::cli
