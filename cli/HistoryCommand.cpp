#include "cli/HistoryCommand.h"

#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "main/HistoryFile.h"
#include "main/HistoryFilter.h"
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
    command.add_option("--label", options_.label, "only the records whose job label holds this text (any case)");
    command.add_option("--since", options_.since, "only the records from this local day on (YYYY-MM-DD)");
    command.add_option("--until", options_.until, "only the records up to the end of this local day (YYYY-MM-DD)");
    auto* json = command.add_flag("--json", options_.json, "print {\"records\": [...]}");
    command.add_flag("--csv", options_.csv, "print the records as CSV, one line each, with a header line")
        ->excludes(json);
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
        if (!record.label.empty() || !record.installer.empty()) {
            out << "    job:      " << (record.label.empty() ? "-" : record.label) << ", by "
                << (record.installer.empty() ? "-" : record.installer) << '\n';
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
    HistoryFilter filter;
    filter.label = options.label;
    if (const std::optional<std::string> error = SetHistoryDays(filter, options.since, options.until)) {
        std::fprintf(stderr, "Error: %s\n", error->c_str());
        return kExitInvalidInput;
    }
    const bool filtered = !filter.label.empty() || filter.since || filter.until;
    // --last counts the records that match: a filter reads the whole history first.
    query.last = filtered ? std::nullopt : options.last;
    HistoryListing listing = ReadHistory(file, query);
    if (filtered) {
        listing.records = FilterHistory(listing.records, filter);
        if (options.last && listing.records.size() > *options.last) {
            listing.records.erase(listing.records.begin(),
                                  listing.records.end() - static_cast<std::ptrdiff_t>(*options.last));
        }
    }
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
    if (options.csv) {
        std::fputs(HistoryCsv(listing.records).c_str(), stdout);
    } else if (options.json) {
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
