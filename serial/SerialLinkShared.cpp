#include "serial/SerialLinkShared.h"

namespace zeft {

void SerialLinkShared::PublishSettings(const PortSettings& settings) {
    std::lock_guard lock(settingsMutex_);
    settings_ = settings;
    settingsVersion_.fetch_add(1);
}

void SerialLinkShared::TakeSettings(PortSettings& copy, std::uint64_t& version) const {
    if (settingsVersion_.load() == version) {
        return;
    }
    std::lock_guard lock(settingsMutex_);
    copy = settings_;
    version = settingsVersion_.load();
}

} // namespace zeft
