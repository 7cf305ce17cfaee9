#include "serial/SerialCluster.h"

#include <utility>

namespace zeft {

TSerialCluster::TSerialCluster(std::string data, std::uint32_t error) : data_(std::move(data)), error_(error) {}

const std::uint8_t* TSerialCluster::Data() const {
    return data_.empty() ? nullptr : reinterpret_cast<const std::uint8_t*>(data_.data());
}

std::string TSerialCluster::TakeData() {
    std::string data = std::move(data_);
    data_.clear(); // a moved-from string is valid but unspecified
    return data;
}

} // namespace zeft
