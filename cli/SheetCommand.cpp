#include "cli/SheetCommand.h"

#include "base/AtomicFile.h"
#include "base/SaveTarget.h"
#include "cli/ConsoleCodePage.h"
#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "main/HistoryFile.h"
#include "main/HistoryFilter.h"
#include "main/HistoryReader.h"
#include "main/LocalTime.h"
#include "main/SetupSheet.h"
#include "main/SetupSheetPlainPdf.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace zeft::cli {

std::optional<HistoryRecord> SheetRecord(const std::vector<HistoryRecord>& records,
                                         const SheetCommandOptions& options) {
    HistoryFilter filter;
    filter.label = options.label;
    filter.port = options.port;
    std::size_t left = options.record;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        if ((record->settings || record->sent) && filter.Matches(*record) && --left == 0) {
            return *record;
        }
    }
    return std::nullopt;
}

void SheetCommand::AddOptions(CLI::App& command) {
    command.add_option("--out", options_.out, "the PDF file to write")->required();
    command.add_option("--label", options_.label, "the newest record whose job label holds this text (any case)");
    command.add_option_function<std::string>(
        "--port", [this](const std::string& port) { options_.port = PortNameFromInput(port); },
        "the newest record of this port");
    command.add_option("--record", options_.record, "the N-th newest record that matches (1: the newest)")
        ->check(CLI::PositiveNumber);
}

int SheetCommand::Run() {
    const std::filesystem::path file = HistoryFilePath();
    if (file.empty()) {
        std::fprintf(stderr, "Error: No folder for the job history is known: set ZEFT_HISTORY to a file.\n");
        return kExitOperationFailed;
    }
    const HistoryListing listing = ReadHistory(file);
    if (listing.error) {
        std::fprintf(stderr, "Error: The job history %s cannot be read: %s\n", file.string().c_str(),
                     listing.error->c_str());
        return kExitOperationFailed;
    }
    const std::optional<HistoryRecord> record = SheetRecord(listing.records, options_);
    if (!record) {
        std::fprintf(stderr, "Error: No record with settings in %s matches.\n", file.string().c_str());
        return kExitOperationFailed;
    }
    const std::filesystem::path out = PathFromCommandLine(options_.out);
    if (const std::optional<std::string> refusal = ResolveSaveTarget(out).refusal) {
        std::fprintf(stderr, "Error: %s\n", refusal->c_str());
        return kExitInvalidInput;
    }
    if (const std::optional<std::string> error =
            SaveFileAtomically(out, SetupSheetPlainPdf(*BuildRecordSheet(*record)))) {
        std::fprintf(stderr, "Error: %s\n", error->c_str());
        return kExitOperationFailed;
    }
    std::printf("The setup sheet of the %s of %s on %s is in %s.\n",
                std::string(HistoryOperationName(record->operation)).c_str(), LocalRecordTime(record->time).c_str(),
                record->port.c_str(), options_.out.c_str());
    return kExitSuccess;
}

} // namespace zeft::cli
