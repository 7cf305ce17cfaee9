#include "cli/ProgramEach.h"

#include "cli/ConsoleDeviceSession.h"
#include "cli/ExitStatus.h"
#include "main/HistoryFile.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cmath>
#include <cstdio>

namespace zeft::cli {
namespace {

using Json = nlohmann::ordered_json;

// Tenths of a second are all a bench needs.
double Tenths(double seconds) {
    return std::round(seconds * 10) / 10;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

void Print(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    // A line a sender: whoever watches a pipe sees each as it comes.
    std::fflush(stdout);
}

} // namespace

std::string EachUnitLine(const ProductionUnit& unit, const std::string& label, bool json) {
    if (json) {
        Json object;
        object["unit"] = unit.number;
        object["label"] = label;
        object["passed"] = unit.passed;
        object["stopped"] = unit.stopped;
        object["failure"] = unit.passed ? Json(nullptr) : Json(unit.failure);
        object["seconds"] = Tenths(unit.seconds);
        return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    }
    const std::string sender = "Sender " + std::to_string(unit.number);
    const std::string result = unit.passed    ? " programmed and verified"
                               : unit.stopped ? ": " + unit.failure
                                              : " FAILED: " + unit.failure;
    return sender + result + " (" + Seconds(unit.seconds) + ")\n";
}

std::string EachSummaryLine(const ProductionSummary& summary, bool json) {
    if (!json) {
        return ProductionSummaryText(summary) + (summary.stopped ? " (stopped)" : "") + "\n";
    }
    const int handled = summary.programmed + summary.failed;
    Json object;
    object["programmed"] = summary.programmed;
    object["failed"] = summary.failed;
    object["stopped"] = summary.stopped;
    object["seconds"] = Tenths(summary.seconds);
    object["secondsPerSender"] = handled > 0 ? Json(Tenths(summary.seconds / handled)) : Json(nullptr);
    return object.dump() + "\n";
}

int ProgramEach(ConsoleDeviceSession& session, const SettingsControls& settings, const EachOptions& options,
                const std::function<bool()>& interrupted) {
    CoreLoopTimer engineTimer(session.Loop());
    CoreLoopTimer waitTimer(session.Loop());
    ConsolePrompts& prompts = session.Prompts();
    ProductionRun run(session.Port(), prompts, engineTimer, waitTimer);
    PutSettingsIntoControls(SettingsFromControls(settings), run.Settings());
    run.RecordInto(HistoryFilePath(), "zeftctl", [](const std::string& text, const std::string& detail) {
        std::fprintf(stderr, "Warning: %s %s\n", text.c_str(), detail.c_str());
    });
    run.OnUnitDone = [&options](const ProductionUnit& unit) { Print(EachUnitLine(unit, options.label, options.json)); };
    if (!run.Start(options.label, options.count)) {
        return kExitPortNotOpened;
    }
    // A run has no end of its own but the count: only a stop ends it otherwise.
    constexpr auto kNoEnd = std::chrono::hours(24 * 365);
    while (run.Running() && !interrupted()) {
        session.Loop().RunUntil([&] { return !run.Running() || interrupted(); }, kNoEnd);
    }
    const bool stopped = run.Running();
    if (stopped) {
        const bool programming = run.State() == ProductionState::Programming;
        run.Stop();
        prompts.ShowError(programming ? "Interrupted: the sender was switched off." : "Interrupted.");
    }
    Print(EachSummaryLine(run.Summary(), options.json));
    if (stopped) {
        return kExitInterrupted;
    }
    return run.Summary().failed > 0 ? kExitOperationFailed : kExitSuccess;
}

} // namespace zeft::cli
