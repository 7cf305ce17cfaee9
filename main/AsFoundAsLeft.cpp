#include "main/AsFoundAsLeft.h"

#include "main/HistoryReader.h"

namespace zeft {
namespace {

// How far back the history is searched for a read of the sender.
constexpr std::size_t kHistoryRecordsSearched = 1000;

bool IsProgramOf(const HistoryRecord& record, const std::string& port) {
    return record.operation == HistoryOperation::Program && record.Succeeded() && record.settings &&
           record.port == port;
}

// A successful read of the sender the program wrote.
bool ReadOfSender(const HistoryRecord& record, const HistoryRecord& program) {
    const bool sameAdapter = !record.adapter || !program.adapter || *record.adapter == *program.adapter;
    return record.Succeeded() && record.settings && record.port == program.port && sameAdapter;
}

} // namespace

std::optional<AsFoundAsLeft> FindAsFoundAsLeft(const std::vector<HistoryRecord>& run, const std::string& port,
                                               const std::filesystem::path& historyFile) {
    auto program = run.rbegin();
    while (program != run.rend() && !IsProgramOf(*program, port)) {
        ++program;
    }
    if (program == run.rend()) {
        return std::nullopt;
    }
    AsFoundAsLeft sender{std::nullopt, *program->settings};
    for (auto before = std::next(program); before != run.rend(); ++before) {
        if (ReadOfSender(*before, *program)) {
            sender.asFound = before->settings;
            return sender;
        }
    }
    if (historyFile.empty()) {
        return sender;
    }
    const HistoryListing listing = ReadHistory(historyFile, {port, kHistoryRecordsSearched});
    for (auto before = listing.records.rbegin(); before != listing.records.rend(); ++before) {
        // The file also holds this program and what came after it.
        if (before->time < program->time && ReadOfSender(*before, *program)) {
            sender.asFound = before->settings;
            break;
        }
    }
    return sender;
}

} // namespace zeft
