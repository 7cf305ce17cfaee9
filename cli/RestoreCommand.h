#pragma once

#include "cli/DeviceCommand.h"

namespace zeft::cli {

// restore: Restore Default.
class RestoreCommand : public DeviceCommand {
public:
    RestoreCommand()
        : DeviceCommand("restore", "Restore Default: return the sender to its default settings",
                        DeviceOperation::Restore) {}
};

} // namespace zeft::cli
