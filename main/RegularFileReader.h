#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace zeft {

// A regular file opened for reading at any offset. Nothing on the way blocks: a folder, a
// pipe, a device or a socket in its place is refused, asked before the open (opening a
// device can have effects of its own) and again of what was opened.
class RegularFileReader {
public:
    explicit RegularFileReader(const std::filesystem::path& path);
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    bool IsOpen() const { return error_ == 0; }
    // Why it is not open, as an errno value: EISDIR for a folder, ENODEV for anything else
    // that is not a regular file, else the system's own.
    int Error() const { return error_; }
    std::uint64_t Size() const { return size_; }
    // Reads count bytes from offset; false when they could not all be read.
    bool ReadAt(std::uint64_t offset, char* data, std::size_t count);

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    int error_ = 0;
    std::uint64_t size_ = 0;
};

} // namespace zeft
