#pragma once

#include "serial/PortDoctor.h"

#include <optional>
#include <string>

#include <sys/stat.h>

namespace zeft {

// Who the doctor runs as, and what the port's open refuses, seen from the node alone, so
// that the doctor never has to open a port to find it.

ProcessIdentity ThisProcess();

// Opens a node for a moment and closes it: 0 or the errno.
int OpenForAMoment(const std::string& node);

// stat(2) of path through the machine view: 0 or the errno.
int StatThrough(const MachineView& view, const std::string& path, struct stat& info);

// Why the node is no terminal ("a folder", "a named pipe (FIFO)", ...), or nothing for a
// terminal device. A character device is a terminal when a tty driver of
// proc/tty/drivers owns its numbers; where that list cannot be read, every one is.
std::optional<std::string> NotATerminal(const struct stat& info, const MachineView& view);

// Whether the node is the controlling terminal of process pid (from proc/<pid>/stat), or
// /dev/tty while the process has one.
bool IsOwnTerminal(const struct stat& info, const MachineView& view, int pid);

} // namespace zeft
