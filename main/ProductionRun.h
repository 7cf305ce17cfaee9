#pragma once

#include "main/DeviceSession.h"
#include "main/HistoryRecord.h"
#include "main/PlainOperationButtons.h"
#include "main/PlainSettingsControls.h"
#include "main/ProductionPrompts.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zeft {

class TSerialLink;

enum class ProductionState {
    Idle,            // not started
    AwaitingSender,  // looking for the next sender's identification about once a second
    Programming,     // Program Device on the sender found, with its read-back
    AwaitingRemoval, // the sender's result is known; waiting until it is gone
    Ended,           // the count reached, or stopped
};

// One sender of a run.
struct ProductionUnit {
    int number = 0;
    bool passed = false;
    bool stopped = false; // switched off by a stop before its end: neither passed nor failed
    std::string failure;  // what went wrong; "" when it passed
    double seconds = 0;   // from its identification to its result
};

struct ProductionSummary {
    int programmed = 0;
    int failed = 0;
    bool stopped = false; // ended by Stop rather than by the count
    double seconds = 0;   // the whole run
};

// The state as the bench shows it: "Connect the next sender", "Programming sender 7",
// "Sender 7 programmed and verified: disconnect it", "Sender 7 FAILED: ...".
std::string ProductionStateText(ProductionState state, const ProductionUnit& unit);
// "Programmed 3, failed 1, 14.2 s per sender" (the run's time over the senders it handled).
std::string ProductionSummaryText(const ProductionSummary& summary);

// Workshop production: one sender after another, each programmed with the same settings,
// verified by its read-back, recorded with the job label and a running unit number. It is
// a loop of a device session's Program Device over a port that the front end has opened;
// between senders it powers the interface for a second at a time, listening for the
// next identification, so that a quiet wait costs timer ticks only. A sender is counted
// once: after its result the run waits until no identification comes before it looks for
// the next. Everything runs on the main thread; the front end gives two timers (the
// engine's and the run's own) and its prompts, which see only what comes before the loop.
class ProductionRun {
public:
    ProductionRun(TSerialLink& port, Prompts& prompts, IntervalTimer& engineTimer, IntervalTimer& waitTimer);
    // Switches the sender off and lets go of the port's receive event: a session that used
    // the port before takes it back (DeviceSession::TakeBackPort).
    ~ProductionRun();
    ProductionRun(const ProductionRun&) = delete;
    ProductionRun& operator=(const ProductionRun&) = delete;

    // The settings every sender gets: the front end fills them before Start.
    SettingsControls& Settings() { return controls_; }
    // Program Device's checks on them, with their messages: validation and the two lists.
    bool SettingsAcceptable();
    // As DeviceSession::RecordInto; without it the records stay in this run.
    void RecordInto(std::filesystem::path file, std::string source, OperationRecorder::Warn warn);

    // Starts the loop for count senders (0: until stopped). False, after "Cannot Open COM
    // port!", when the port is not open, and while a run goes on.
    bool Start(std::string label, int count);
    // Ends the run at once: between senders nothing is left on; a sender being programmed
    // is switched off and recorded as stopped.
    void Stop();

    ProductionState State() const { return state_; }
    bool Running() const { return state_ != ProductionState::Idle && state_ != ProductionState::Ended; }
    // The sender being programmed or last done.
    const ProductionUnit& Unit() const { return unit_; }
    const std::vector<ProductionUnit>& Units() const { return units_; }
    const ProductionSummary& Summary() const { return summary_; }
    std::string StateText() const { return ProductionStateText(state_, unit_); }
    const std::vector<HistoryRecord>& Records() const { return session_.Records(); }

    std::function<void()> OnStateChanged;
    std::function<void(const ProductionUnit& unit)> OnUnitDone;
    std::function<void()> OnEnded;

private:
    enum class Step { None, Listening, Resting, BeforeProgram, AfterProgram };

    void Listen();
    void Rest(Step step);
    void Tick();
    void Heard(const std::string& cluster);
    void SenderFound();
    void SenderGone();
    void ProgramEnded();
    void Finish(bool stopped);
    void SetState(ProductionState state);

    PlainSettingsControls controls_;
    PlainOperationButtons buttons_;
    ProductionPrompts prompts_;
    IntervalTimer& waitTimer_;
    DeviceSession session_;
    RecordedSettings settings_;
    std::string label_;
    int count_ = 0;
    ProductionState state_ = ProductionState::Idle;
    Step step_ = Step::None;
    std::string heard_;
    ProductionUnit unit_;
    std::vector<ProductionUnit> units_;
    ProductionSummary summary_;
    std::chrono::steady_clock::time_point runStart_;
    std::chrono::steady_clock::time_point unitStart_;
};

} // namespace zeft
