#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zeft {

// Tells when serial ports may have come or gone, from the kernel's own notices: inotify on
// the device folder (and on serial/ and serial/by-id/ below it, where udev puts its links).
// Nothing is polled: the owner waits for Handle() to become readable (a socket notifier,
// poll) and then calls TakeChanges(). On Windows there is no such notice for a folder;
// Handle() is -1 and the port list is read afresh each time the dialog opens.
class PortWatcher {
public:
    explicit PortWatcher(std::filesystem::path devices = "/dev");
    ~PortWatcher();
    PortWatcher(const PortWatcher&) = delete;
    PortWatcher& operator=(const PortWatcher&) = delete;

    // The descriptor to wait on for reading; -1 when nothing is watched.
    int Handle() const { return fd_; }
    // Reads the notices queued so far without blocking; true when one concerns a port (a
    // tty or rfcomm node, or a udev serial link), or when notices were lost (the kernel's
    // queue overflowed) and the ports must be read afresh.
    bool TakeChanges();

private:
    // (Re)watches serial/ and serial/by-id/; true when it began to watch one that already
    // holds entries, which came before the watch and so said nothing.
    bool WatchFolders();

    std::filesystem::path devices_;
    int fd_ = -1;
    std::vector<int> linkWatches_; // serial/ and serial/by-id/: every entry there counts
};

} // namespace zeft
