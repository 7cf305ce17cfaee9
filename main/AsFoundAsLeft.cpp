#include "main/AsFoundAsLeft.h"

namespace zeft {

std::optional<AsFoundAsLeft> AsFoundAsLeftOf(const HistoryRecord& record) {
    if (record.operation != DeviceOperation::Program || !record.Succeeded() || !record.settings) {
        return std::nullopt;
    }
    AsFoundAsLeft sender{record.asFound, *record.settings, {}};
    if (record.asFound) {
        sender.asFoundTime = record.asFoundTime;
    }
    return sender;
}

std::optional<AsFoundAsLeft> FindAsFoundAsLeft(const std::vector<HistoryRecord>& run, const std::string& port) {
    for (auto record = run.rbegin(); record != run.rend(); ++record) {
        if (record->port == port && AsFoundAsLeftOf(*record)) {
            return AsFoundAsLeftOf(*record);
        }
    }
    return std::nullopt;
}

} // namespace zeft
