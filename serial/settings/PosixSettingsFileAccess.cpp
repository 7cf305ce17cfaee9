#include "serial/settings/SettingsFileAccess.h"

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeft {

namespace {

constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
// A save takes milliseconds; a lock held longer belongs to a program that hangs.
constexpr auto kLockPatience = std::chrono::seconds(3);
constexpr auto kLockRetry = std::chrono::milliseconds(5);
// With its turn, a waiter is the only one asking, and the lock is free within a save.
constexpr auto kTurnRetry = std::chrono::milliseconds(1);

// Polling alone is unfair: a program that saves again and again takes the lock back within
// microseconds, and another one polling may miss every gap until its patience runs out.
// So a waiter first takes its turn, a lock on the first byte of the same file (an open
// file's own lock, which flock does not see), and a program comes back for the lock only
// through that turn; it lets the turn go once it has the lock.
bool TakeTurn(int fd, short type) {
#ifdef F_OFD_SETLK
    struct flock turn {};
    turn.l_type = type;
    turn.l_whence = SEEK_SET;
    turn.l_start = 0;
    turn.l_len = 1;
    // A file system without such locks leaves polling alone.
    return ::fcntl(fd, F_OFD_SETLK, &turn) == 0 || (errno != EAGAIN && errno != EACCES && errno != EINTR);
#else
    static_cast<void>(fd);
    static_cast<void>(type);
    return true; // no such locks here: polling alone
#endif
}

} // namespace

SettingsFileLock::SettingsFileLock(const std::filesystem::path& file) {
    const int fd = ::open((file.string() + ".lock").c_str(), O_RDWR | O_CREAT | kOpenFlags, 0600);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    handle_ = fd;
    // Polled rather than blocking, so that a program that hangs with the lock costs a
    // failed save, not a hung one.
    const auto end = std::chrono::steady_clock::now() + kLockPatience;
    bool myTurn = false;
    for (;;) {
        myTurn = myTurn || TakeTurn(fd, F_WRLCK);
        if (myTurn && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            TakeTurn(fd, F_UNLCK);
            return;
        }
        if (myTurn && errno != EWOULDBLOCK && errno != EINTR) {
            return;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return;
        }
        std::this_thread::sleep_for(myTurn ? kTurnRetry : kLockRetry);
    }
}

SettingsFileLock::~SettingsFileLock() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_)); // lets go of the lock
    }
}

SettingsFileRead ReadSettingsFile(const std::filesystem::path& file, std::uintmax_t largest, std::string& contents) {
    contents.clear();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? SettingsFileRead::Missing : SettingsFileRead::Failed;
    }
    struct stat info {};
    SettingsFileRead result = SettingsFileRead::Read;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = SettingsFileRead::Failed;
    } else if (static_cast<std::uintmax_t>(info.st_size) > largest) {
        result = SettingsFileRead::TooLarge;
    } else {
        char buffer[8192];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof(buffer));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                result = SettingsFileRead::Failed;
            }
            if (n <= 0) {
                break;
            }
            contents.append(buffer, static_cast<std::size_t>(n));
            if (contents.size() > largest) {
                result = SettingsFileRead::TooLarge; // it grew while we read
                break;
            }
        }
    }
    ::close(fd);
    return result;
}

} // namespace zeft
