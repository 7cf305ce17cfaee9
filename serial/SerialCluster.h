#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zeft {

// One block of received bytes with the line-error flags (kCe*) of the poll before they
// were read. Made on the worker, owned by the component's cluster queue after the
// hand-over.
class TSerialCluster {
public:
    // Takes over the block; size is its byte count (no block when 0).
    TSerialCluster(std::unique_ptr<std::uint8_t[]> data, std::uint32_t size, std::uint32_t error);
    // A cluster holding a copy of size bytes.
    static std::unique_ptr<TSerialCluster> Copy(const std::uint8_t* bytes, std::uint32_t size, std::uint32_t error);

    const std::uint8_t* Data() const { return data_.get(); }
    std::uint32_t DataSize() const { return dataSize_; }
    std::uint32_t Error() const { return error_; }

    // The bytes as they are, NUL bytes included.
    std::string GetDataAsString() const;

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::uint32_t dataSize_;
    std::uint32_t error_;
};

} // namespace zeft
