#include "serial/SerialCluster.h"

#include <algorithm>
#include <utility>

namespace zeft {

TSerialCluster::TSerialCluster(std::unique_ptr<std::uint8_t[]> data, std::uint32_t size, std::uint32_t error)
    : data_(size > 0 ? std::move(data) : nullptr), dataSize_(size), error_(error) {}

std::unique_ptr<TSerialCluster> TSerialCluster::Copy(const std::uint8_t* bytes, std::uint32_t size,
                                                     std::uint32_t error) {
    std::unique_ptr<std::uint8_t[]> block;
    if (size > 0) {
        block = std::make_unique_for_overwrite<std::uint8_t[]>(size);
        std::copy_n(bytes, size, block.get());
    }
    return std::make_unique<TSerialCluster>(std::move(block), size, error);
}

std::string TSerialCluster::GetDataAsString() const {
    if (dataSize_ == 0) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(data_.get()), dataSize_);
}

} // namespace zeft
