#pragma once

#include "main/HistoryRecord.h"
#include "main/PlainSettingsControls.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace zeft::cli {

class DeviceSession;

struct HistoryCommandOptions {
    std::optional<std::string> port;
    std::optional<std::size_t> last;
    bool json = false;
};

// The "history" subcommand and its options.
CLI::App* AddHistoryCommand(CLI::App& app, HistoryCommandOptions& options);

// history: the job history's records, oldest first, as text or as {"records": [...]}.
// Lines that are not whole records are counted on standard error. Returns the exit status.
int RunHistoryCommand(const HistoryCommandOptions& options);

// The records as the history command prints them without --json.
std::string HistoryText(const std::vector<HistoryRecord>& records);

// program --read-first: a Read Device before the program, so that the history holds what
// the sender held. The settings to program are kept aside meanwhile. Returns the read's
// exit status; the program goes ahead only after a successful read.
int ReadBeforeProgram(DeviceSession& session, PlainSettingsControls& controls,
                      const std::function<bool()>& interrupted);

} // namespace zeft::cli
