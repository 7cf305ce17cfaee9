#include "serial/device/SerialDeviceFactory.h"

#include <algorithm>
#include <mutex>
#include <utility>

#ifdef _WIN32
#include "serial/device/Win32SerialDevice.h"
#else
#include "serial/device/PosixSerialDevice.h"
#endif

namespace zeft {

namespace {

struct Registration {
    std::string name;
    SerialDeviceMaker maker;
};

struct Registry {
    std::mutex mutex;
    std::vector<Registration> entries;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

void SerialDeviceFactory::Register(const std::string& portName, SerialDeviceMaker maker) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto found = std::find_if(registry.entries.begin(), registry.entries.end(),
                              [&](const Registration& entry) { return entry.name == portName; });
    if (found != registry.entries.end()) {
        found->maker = std::move(maker);
    } else {
        registry.entries.push_back({portName, std::move(maker)});
    }
}

void SerialDeviceFactory::Unregister(const std::string& portName) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    std::erase_if(registry.entries, [&](const Registration& entry) { return entry.name == portName; });
}

std::vector<std::string> SerialDeviceFactory::RegisteredNames() {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    std::vector<std::string> names;
    for (const Registration& entry : registry.entries) {
        names.push_back(entry.name);
    }
    return names;
}

std::unique_ptr<SerialDevice> SerialDeviceFactory::Create(const std::string& portName) {
    SerialDeviceMaker maker;
    {
        Registry& registry = TheRegistry();
        std::lock_guard lock(registry.mutex);
        for (const Registration& entry : registry.entries) {
            if (entry.name == portName) {
                maker = entry.maker;
            }
        }
    }
    return maker ? maker() : CreatePlatformDevice();
}

std::unique_ptr<SerialDevice> SerialDeviceFactory::CreatePlatformDevice() {
#ifdef _WIN32
    return std::make_unique<Win32SerialDevice>();
#else
    return std::make_unique<PosixSerialDevice>();
#endif
}

} // namespace zeft
