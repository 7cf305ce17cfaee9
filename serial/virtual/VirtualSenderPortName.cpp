#include "serial/virtual/VirtualSenderPortName.h"

#include "serial/device/SerialDeviceFactory.h"
#include "serial/virtual/VirtualSerialDevice.h"

#include <map>
#include <memory>
#include <mutex>

namespace zeft {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool ReadCount(std::string_view text, int& value) {
    text = Trim(text);
    if (text.empty() || text.size() > 6) {
        return false;
    }
    int result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

} // namespace

bool ApplyVirtualSenderFault(std::string_view fault, VirtualSenderFaults& faults) {
    fault = Trim(fault);
    if (fault == "silent") {
        faults.silent = true;
    } else if (fault == "old firmware") {
        faults.oldFirmware = true;
    } else if (fault == "forgetful") {
        faults.forgetful = true;
    } else if (fault == "first D") {
        faults.firstReplyD = true;
    } else if (fault == "KK") {
        faults.doubledK = true;
    } else if (fault == "noise") {
        faults.noise = true;
    } else if (fault == "split") {
        faults.splitBursts = true;
    } else if (fault == "no RTS") {
        faults.noRts = true;
    } else if (fault.substr(0, 11) == "stop after ") {
        return ReadCount(fault.substr(11), faults.stopAfterCommands);
    } else if (fault.substr(0, 5) == "slow ") {
        return ReadCount(fault.substr(5), faults.replyDelayMs);
    } else {
        return false;
    }
    return true;
}

namespace {

// Calls take with each option of a name "BASE" or "BASE (a, b, ...)"; false when the name
// is another, is malformed, or take refuses an option.
template <typename Take> bool ForEachPortNameOption(std::string_view name, std::string_view base, const Take& take) {
    if (name.substr(0, base.size()) != base) {
        return false;
    }
    std::string_view rest = name.substr(base.size());
    if (rest.empty()) {
        return true;
    }
    if (rest.size() < 3 || rest.substr(0, 2) != " (" || rest.back() != ')') {
        return false;
    }
    rest = rest.substr(2, rest.size() - 3);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        if (!take(rest.substr(0, comma))) {
            return false;
        }
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return true;
}

} // namespace

bool ParseVirtualSenderPortName(std::string_view name, VirtualSenderFaults& faults) {
    VirtualSenderFaults parsed;
    if (!ForEachPortNameOption(name, kVirtualSenderPortName,
                               [&parsed](std::string_view item) { return ApplyVirtualSenderFault(item, parsed); })) {
        return false;
    }
    faults = parsed;
    return true;
}

bool ParseVirtualProductionLinePortName(std::string_view name, VirtualProductionLineSetup& setup) {
    VirtualProductionLineSetup parsed;
    const bool understood =
        ForEachPortNameOption(name, kVirtualProductionLinePortName, [&parsed](std::string_view option) {
            const std::string_view item = Trim(option);
            if (item.substr(0, 5) == "pace ") {
                return ReadCount(item.substr(5), parsed.paceMs) && parsed.paceMs != 0;
            }
            int number = 0;
            const std::size_t space = item.find(' ', 7);
            return item.substr(0, 7) == "sender " && space != std::string_view::npos &&
                   ReadCount(item.substr(7, space - 7), number) && number != 0 &&
                   ApplyVirtualSenderFault(item.substr(space + 1), parsed.senderFaults[number]);
        });
    if (!understood) {
        return false;
    }
    setup = std::move(parsed);
    return true;
}

bool IsVirtualPortName(std::string_view name) {
    VirtualSenderFaults faults;
    VirtualProductionLineSetup setup;
    return ParseVirtualSenderPortName(name, faults) || ParseVirtualProductionLinePortName(name, setup);
}

std::shared_ptr<VirtualProductionLine> RegisterVirtualProductionLine(const std::string& name) {
    VirtualProductionLineSetup setup;
    if (!ParseVirtualProductionLinePortName(name, setup)) {
        return nullptr;
    }
    auto line = std::make_shared<VirtualProductionLine>(std::move(setup));
    auto unit = std::make_shared<VirtualSenderUnit>();
    SerialDeviceFactory::Register(name, [line, unit] { return std::make_unique<VirtualSerialDevice>(unit, line); });
    return line;
}

bool RegisterVirtualSenderPort(const std::string& name) {
    VirtualSenderFaults faults;
    if (!ParseVirtualSenderPortName(name, faults)) {
        return RegisterVirtualProductionLine(name) != nullptr;
    }
    // Registering the same name again keeps the sender it already has.
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<VirtualSenderUnit>> units;
    std::shared_ptr<VirtualSenderUnit> unit;
    {
        std::lock_guard lock(mutex);
        std::shared_ptr<VirtualSenderUnit>& known = units[name];
        if (!known) {
            known = std::make_shared<VirtualSenderUnit>();
        }
        unit = known;
    }
    SerialDeviceFactory::Register(name, [faults, unit] { return std::make_unique<VirtualSerialDevice>(faults, unit); });
    return true;
}

} // namespace zeft
