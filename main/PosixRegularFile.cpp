#include "main/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeft {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit) {
    // Asked before opening: opening a device can have effects of its own (a serial port
    // raises its lines).
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) {
        return std::nullopt;
    }
    // Without O_NONBLOCK a pipe put there meanwhile would block the open itself.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    const std::uintmax_t wanted = std::min<std::uintmax_t>(static_cast<std::uintmax_t>(opened.st_size), limit);
    bytes.resize(static_cast<std::size_t>(wanted));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            // EAGAIN: a file that would block is no plain file.
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break; // it shrank meanwhile
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

} // namespace zeft
