#pragma once

#include <cstdint>
#include <string>

namespace zeft {

// One block of received bytes with the line-error flags (kCe*) of the poll before they
// were read. Made on the worker, owned by the component's cluster queue after the
// hand-over. The bytes are kept as a string, so that handing them to the reader
// moves them instead of copying.
class TSerialCluster {
public:
    // Takes over the bytes, NUL bytes included.
    TSerialCluster(std::string data, std::uint32_t error);

    // The bytes; null when there are none.
    const std::uint8_t* Data() const;
    std::uint32_t DataSize() const { return static_cast<std::uint32_t>(data_.size()); }
    std::uint32_t Error() const { return error_; }

    // The bytes as they are, NUL bytes included.
    std::string GetDataAsString() const { return data_; }
    // Hands the bytes over; the cluster is empty afterwards.
    std::string TakeData();

private:
    std::string data_;
    std::uint32_t error_;
};

} // namespace zeft
