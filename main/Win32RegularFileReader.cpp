#include "main/RegularFileReader.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace zeft {

struct RegularFileReader::Handle {
    std::ifstream in;
};

RegularFileReader::RegularFileReader(const std::filesystem::path& path) : handle_(std::make_unique<Handle>()) {
    // Names such as CON, COM1 or a named pipe are no regular files, so nothing blocks.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        error_ = error == std::errc::no_such_file_or_directory ? ENOENT : EACCES;
        return;
    }
    if (std::filesystem::is_directory(status)) {
        error_ = EISDIR;
        return;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error_ = ENODEV;
        return;
    }
    handle_->in.open(path, std::ios::binary);
    if (!handle_->in) {
        error_ = EACCES;
        return;
    }
    handle_->in.seekg(0, std::ios::end);
    const std::streamoff end = handle_->in.tellg();
    if (end < 0) {
        error_ = EIO;
        return;
    }
    size_ = static_cast<std::uint64_t>(end);
}

RegularFileReader::~RegularFileReader() = default;

bool RegularFileReader::ReadAt(std::uint64_t offset, char* data, std::size_t count) {
    handle_->in.clear();
    handle_->in.seekg(static_cast<std::streamoff>(offset));
    return static_cast<bool>(handle_->in.read(data, static_cast<std::streamsize>(count)));
}

} // namespace zeft
