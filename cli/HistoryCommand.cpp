#include "cli/HistoryCommand.h"

#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "main/HistoryFile.h"
#include "main/HistoryReader.h"
#include "main/HistoryRecord.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace zeft::cli {
namespace {

std::string CodeText(const std::optional<int>& code) {
    return code ? std::to_string(*code) : "none";
}

std::string SettingsText(const RecordedSettings& settings) {
    const auto& e = settings.edits;
    return "Output Type " + CodeText(settings.outputType) + ", Fluid Type " + CodeText(settings.fluidType) +
           ", Top Limit " + e[0] + ", Bottom Limit " + e[1] + ", Levels " + e[2] + ", " + e[3] + ", " + e[4] + ", " +
           e[5];
}

} // namespace

void HistoryCommand::AddOptions(CLI::App& command) {
    command
        .add_option_function<std::string>(
            "--port", [this](const std::string& port) { options_.port = port; }, "only the records of this port")
        ->type_name("PORT");
    command
        .add_option_function<std::size_t>(
            "--last", [this](std::size_t count) { options_.last = count; }, "only the last N records")
        ->check(CLI::NonNegativeNumber);
    command.add_flag("--json", options_.json, "print {\"records\": [...]}");
}

int HistoryCommand::Run() {
    return RunHistoryCommand(options_);
}

std::string HistoryText(const std::vector<HistoryRecord>& records) {
    std::ostringstream out;
    for (const HistoryRecord& record : records) {
        out << record.time << "  " << std::left << std::setw(7) << HistoryOperationName(record.operation) << "  "
            << (record.source.empty() ? "?" : record.source) << "  " << record.port << "  " << record.outcome << '\n';
        if (record.sent) {
            out << "    sent:     " << SettingsText(*record.sent) << '\n';
        }
        if (record.settings) {
            out << "    reported: " << SettingsText(*record.settings) << '\n';
        }
    }
    return out.str();
}

int RunHistoryCommand(const HistoryCommandOptions& options) {
    const std::filesystem::path file = HistoryFilePath();
    if (file.empty()) {
        std::fprintf(stderr, "Error: No folder for the job history is known: set ZEFT_HISTORY to a file.\n");
        return kExitOperationFailed;
    }
    HistoryQuery query;
    if (options.port) {
        query.port = PortNameFromInput(*options.port);
    }
    query.last = options.last;
    const HistoryListing listing = ReadHistory(file, query);
    if (listing.error) {
        std::fprintf(stderr, "Error: The job history %s cannot be read: %s\n", file.string().c_str(),
                     listing.error->c_str());
        return kExitOperationFailed;
    }
    if (listing.skipped > 0) {
        std::fprintf(stderr, "Skipped %zu line%s of %s that %s not a whole record (torn or foreign).\n",
                     listing.skipped, listing.skipped == 1 ? "" : "s", file.string().c_str(),
                     listing.skipped == 1 ? "is" : "are");
    }
    if (options.json) {
        std::string text = "{\"records\": [";
        for (std::size_t i = 0; i < listing.records.size(); ++i) {
            text += (i == 0 ? "" : ", ") + HistoryRecordJson(listing.records[i]);
        }
        text += "]}\n";
        std::fputs(text.c_str(), stdout);
    } else {
        std::fputs(HistoryText(listing.records).c_str(), stdout);
    }
    return kExitSuccess;
}

} // namespace zeft::cli
