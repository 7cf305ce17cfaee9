#include "serial/PortWatcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace zeft {

namespace {

constexpr std::uint32_t kComingAndGoing = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

bool NamesAPort(const char* name) {
    return std::strncmp(name, "tty", 3) == 0 || std::strncmp(name, "rfcomm", 6) == 0 ||
           std::strcmp(name, "serial") == 0;
}

} // namespace

PortWatcher::PortWatcher(std::filesystem::path devices) : devices_(std::move(devices)) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    if (inotify_add_watch(fd_, devices_.c_str(), kComingAndGoing | IN_ONLYDIR) < 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    WatchFolders();
}

PortWatcher::~PortWatcher() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

// udev makes serial/by-id/ with the first adapter and may remove it with the last, so
// the two folders are watched again whenever something changes.
bool PortWatcher::WatchFolders() {
    const std::vector<int> before = linkWatches_;
    linkWatches_.clear();
    bool unseen = false;
    for (const std::filesystem::path& folder : {devices_ / "serial", devices_ / "serial" / "by-id"}) {
        const int watch = inotify_add_watch(fd_, folder.c_str(), kComingAndGoing | IN_ONLYDIR);
        if (watch < 0) {
            continue;
        }
        linkWatches_.push_back(watch);
        std::error_code error;
        if (std::find(before.begin(), before.end(), watch) == before.end() &&
            !std::filesystem::is_empty(folder, error) && !error) {
            unseen = true;
        }
    }
    return unseen;
}

bool PortWatcher::TakeChanges() {
    if (fd_ < 0) {
        return false;
    }
    bool changed = false;
    bool noticed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(fd_, buffer, sizeof(buffer));
        if (length <= 0) {
            break;
        }
        noticed = true;
        for (ssize_t offset = 0; offset < length;) {
            inotify_event event;
            std::memcpy(&event, buffer + offset, sizeof(event));
            const char* name = buffer + offset + sizeof(inotify_event);
            const bool inLinkFolder =
                std::find(linkWatches_.begin(), linkWatches_.end(), event.wd) != linkWatches_.end();
            if ((event.mask & kComingAndGoing) != 0 && (inLinkFolder || (event.len > 0 && NamesAPort(name)))) {
                changed = true;
            }
            if ((event.mask & IN_Q_OVERFLOW) != 0) {
                changed = true; // notices were lost: only a fresh look tells what is there
            }
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
        }
    }
    // Any notice may mean a folder came or went (after an overflow nothing else says so):
    // a folder watched anew is read at once for what came before its watch.
    if (noticed && WatchFolders()) {
        changed = true;
    }
    return changed;
}

} // namespace zeft
