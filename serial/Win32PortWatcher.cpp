#include "serial/PortWatcher.h"

namespace zeft {

// Windows announces devices with window messages, not on a descriptor: no hot-plug here,
// the dialog's list is read when it opens.
PortWatcher::PortWatcher(std::filesystem::path devices) : devices_(std::move(devices)) {}

PortWatcher::~PortWatcher() = default;

bool PortWatcher::TakeChanges() {
    return false;
}

bool PortWatcher::WatchFolders() {
    return false;
}

} // namespace zeft
