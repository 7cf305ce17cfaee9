#pragma once

#include "cli/Command.h"
#include "main/HistoryRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zeft::cli {

struct HistoryCommandOptions {
    std::optional<std::string> port;
    std::optional<std::size_t> last;
    bool json = false;
    std::string label; // a part of the job label
    std::string since; // local days, YYYY-MM-DD
    std::string until;
    bool csv = false;
};

// history: the job history's records, oldest first, as text or as {"records": [...]}.
// Lines that are not whole records are counted on standard error. Returns the exit status.
int RunHistoryCommand(const HistoryCommandOptions& options);

// The records as the history command prints them without --json.
std::string HistoryText(const std::vector<HistoryRecord>& records);
// One record as the history command prints it: its line and its settings' lines, every
// stored text with its control characters escaped.
std::string HistoryRecordText(const HistoryRecord& record);

// history [--port P] [--label TEXT] [--since DATE] [--until DATE] [--last N] [--json | --csv]
class HistoryCommand : public Command {
public:
    HistoryCommand() : Command("history", "the job history: every read, program and restore, oldest first") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    HistoryCommandOptions options_;
};

} // namespace zeft::cli
