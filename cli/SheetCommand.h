#pragma once

#include "cli/Command.h"
#include "main/HistoryRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zeft::cli {

struct SheetCommandOptions {
    std::string out;
    std::string label; // a part of the job label
    std::optional<std::string> port;
    std::size_t record = 1; // 1: the newest that matches
};

// The record a sheet is made of: the record-th newest of those that hold settings and
// match the label and port; none when there are fewer.
std::optional<HistoryRecord> SheetRecord(const std::vector<HistoryRecord>& records, const SheetCommandOptions& options);

// sheet --out FILE.pdf [--label TEXT] [--port P] [--record N]: the setup sheet of a history
// record, as a PDF of monospace text (zeftctl has no Qt to draw the program's sheet with).
class SheetCommand : public Command {
public:
    SheetCommand() : Command("sheet", "the setup sheet of a job history record, as a PDF") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    SheetCommandOptions options_;
};

} // namespace zeft::cli
