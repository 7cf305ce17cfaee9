#include "main/RegularFileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeft {

struct RegularFileReader::Handle {
    int fd = -1;
};

namespace {

int KindError(mode_t mode) {
    if (S_ISDIR(mode)) {
        return EISDIR;
    }
    return S_ISREG(mode) ? 0 : ENODEV;
}

} // namespace

RegularFileReader::RegularFileReader(const std::filesystem::path& path) : handle_(std::make_unique<Handle>()) {
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        error_ = errno;
        return;
    }
    if ((error_ = KindError(named.st_mode)) != 0) {
        return;
    }
    // Without O_NONBLOCK a pipe put there meanwhile would block the open itself.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno == ENXIO ? ENODEV : errno;
        return;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        error_ = errno;
    } else {
        error_ = KindError(opened.st_mode);
    }
    if (error_ != 0) {
        ::close(fd);
        return;
    }
    handle_->fd = fd;
    size_ = static_cast<std::uint64_t>(opened.st_size);
}

RegularFileReader::~RegularFileReader() {
    if (handle_->fd >= 0) {
        ::close(handle_->fd);
    }
}

bool RegularFileReader::ReadAt(std::uint64_t offset, char* data, std::size_t count) {
    while (count > 0) {
        const ssize_t got = ::pread(handle_->fd, data, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        data += got;
        count -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

} // namespace zeft
