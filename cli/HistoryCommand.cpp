#include "cli/HistoryCommand.h"

#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "cli/VisibleText.h"
#include "cli/WholeNumberOption.h"
#include "main/HistoryFile.h"
#include "main/HistoryFilter.h"
#include "main/HistoryReader.h"
#include "main/HistoryRecord.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <iomanip>
#include <limits>
#include <sstream>

namespace zeft::cli {
namespace {

// A field on one line of the listing: controls escaped, a line end too, so that a stored
// text can neither drive the terminal nor pass for another record.
std::string Shown(const std::string& text) {
    std::string shown;
    for (const char c : VisibleText(text)) {
        shown += c == '\n' ? std::string("\\x0a") : std::string(1, c);
    }
    return shown;
}

// JSON escapes the C0 controls itself; DEL and the C1 controls (U+0080 to U+009F) it leaves
// raw inside strings, where a terminal may act on them. Outside strings JSON is ASCII, so
// every such character is in a string and may be written as \u00XX there.
std::string JsonWithVisibleText(const std::string& json) {
    std::string out;
    out.reserve(json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        if (c == 0x7f || (c == 0xc2 && next >= 0x80 && next <= 0x9f)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c == 0x7f ? 0x7fu : static_cast<unsigned>(next));
            out += escaped;
            i += c == 0x7f ? 0 : 1;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string CodeText(const std::optional<int>& code) {
    return code ? std::to_string(*code) : "none";
}

std::string SettingsText(const RecordedSettings& settings) {
    std::array<std::string, 6> e;
    std::transform(settings.edits.begin(), settings.edits.end(), e.begin(), Shown);
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
    TakeWholeNumber(*command.add_option_function<std::size_t>(
                        "--last", [this](std::size_t count) { options_.last = count; }, "only the last N records"),
                    1, std::numeric_limits<std::size_t>::max());
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
    std::string text;
    for (const HistoryRecord& record : records) {
        text += HistoryRecordText(record);
    }
    return text;
}

std::string HistoryRecordText(const HistoryRecord& record) {
    std::ostringstream out;
    out << Shown(record.time) << "  " << std::left << std::setw(7) << HistoryOperationName(record.operation) << "  "
        << (record.source.empty() ? "?" : Shown(record.source)) << "  " << Shown(record.port) << "  "
        << Shown(record.outcome) << '\n';
    if (record.sent) {
        out << "    sent:     " << SettingsText(*record.sent) << '\n';
    }
    if (record.settings) {
        out << "    reported: " << SettingsText(*record.settings) << '\n';
    }
    if (!record.label.empty() || !record.installer.empty()) {
        out << "    job:      " << (record.label.empty() ? "-" : Shown(record.label)) << ", by "
            << (record.installer.empty() ? "-" : Shown(record.installer)) << '\n';
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
    // Each record is printed as it is read, so that a long history costs one record's memory
    // (--last with a filter keeps the last N that match); an error before the first one
    // prints nothing else.
    const std::string csvHeader = HistoryCsv({});
    std::size_t printed = 0;
    const auto print = [&](HistoryRecord&& record) {
        std::string text;
        if (options.csv) {
            text = (printed == 0 ? csvHeader : std::string()) + HistoryCsv({record}).substr(csvHeader.size());
        } else if (options.json) {
            text =
                std::string(printed == 0 ? "{\"records\": [" : ", ") + JsonWithVisibleText(HistoryRecordJson(record));
        } else {
            text = HistoryRecordText(record);
        }
        std::fputs(text.c_str(), stdout);
        ++printed;
    };
    HistoryListing listing;
    if (options.last && !filtered) {
        query.last = options.last;
        listing = ReadHistory(file, query);
        for (HistoryRecord& record : listing.records) {
            print(std::move(record));
        }
    } else {
        std::deque<HistoryRecord> lastMatching;
        listing = ForEachHistoryRecord(file, query.port, [&](HistoryRecord&& record) {
            if (!filter.Matches(record)) {
                return;
            }
            if (!options.last) {
                print(std::move(record));
                return;
            }
            lastMatching.push_back(std::move(record));
            if (lastMatching.size() > *options.last) {
                lastMatching.pop_front();
            }
        });
        for (HistoryRecord& record : lastMatching) {
            print(std::move(record));
        }
    }
    if (options.json && (printed > 0 || !listing.error)) {
        std::fputs(printed == 0 ? "{\"records\": []}\n" : "]}\n", stdout);
    }
    const std::string shownFile = Shown(file.string());
    if (listing.skipped > 0) {
        std::fprintf(stderr, "Skipped %zu line%s of %s that %s not a whole record (torn or foreign).\n",
                     listing.skipped, listing.skipped == 1 ? "" : "s", shownFile.c_str(),
                     listing.skipped == 1 ? "is" : "are");
    }
    if (listing.error) {
        std::fprintf(stderr, "Error: The job history %s cannot be read: %s\n", shownFile.c_str(),
                     listing.error->c_str());
        return kExitOperationFailed;
    }
    return kExitSuccess;
}

} // namespace zeft::cli
