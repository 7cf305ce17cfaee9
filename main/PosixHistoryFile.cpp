#include "main/HistoryFile.h"

#include "base/FileErrorText.h"
#include "base/WriteAll.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zeft {
namespace {

const char kNotAFile[] = "The history is not a regular file.";
const char kLocked[] = "The history stays locked by another program.";

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closing can report a write the kernel deferred.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Another program's append holds the lock for one write and one flush; one that never
// lets go must not hold the operation's end for ever.
bool LockWithin(int fd, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool EndsWithLineEnd(int fd, off_t size) {
    char last = '\n';
    return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

std::string Reason(int error) {
    return FileErrorTextFromErrno(error);
}

} // namespace

fs::path HistoryFilePath() {
    if (const char* named = std::getenv("ZEFT_HISTORY"); named != nullptr && *named != '\0') {
        return named;
    }
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data != nullptr && fs::path(data).is_absolute()) {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = fs::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return base / "zeft" / "history.jsonl";
}

std::optional<std::string> AppendHistoryLine(const fs::path& file, std::string_view line) {
    if (file.empty() || !file.has_filename()) {
        return Reason(ENOENT);
    }
    std::error_code made;
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path(), made);
        if (made) {
            return Reason(made.value());
        }
    }
    // Non-blocking, so that a pipe or a device named by mistake cannot hold the open.
    Descriptor fd(::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
    if (fd.Get() < 0) {
        return errno == ENXIO ? std::string(kNotAFile) : Reason(errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return Reason(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return std::string(kNotAFile);
    }
    if (!LockWithin(fd.Get(), kHistoryLockLimit)) {
        return std::string(kLocked);
    }
    // The size under the lock: no other append can run now.
    if (::fstat(fd.Get(), &info) != 0) {
        return Reason(errno);
    }
    std::string whole;
    whole.reserve(line.size() + 2);
    if (!EndsWithLineEnd(fd.Get(), info.st_size)) {
        whole += '\n';
    }
    whole += line;
    whole += '\n';
    if (!WriteAll(fd.Get(), whole)) {
        const int error = errno;
        // Whole or not at all: what part of the line got out goes again; older lines stay.
        static_cast<void>(::ftruncate(fd.Get(), info.st_size));
        return Reason(error);
    }
    if (::fsync(fd.Get()) != 0) {
        return Reason(errno);
    }
    if (fd.Close() != 0) {
        return Reason(errno);
    }
    return std::nullopt;
}

} // namespace zeft
