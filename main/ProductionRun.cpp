#include "main/ProductionRun.h"

#include "main/SettingsValidator.h"
#include "seams/TextTranslation.h"
#include "serial/SerialLink.h"

#include <cstdio>
#include <utility>

namespace zeft {
namespace {

// The interface is on this long while the run looks for a sender: the engine's own limit
// for the identification after power-up.
constexpr int kListenMs = kIdentificationLimitMs;
// Off between two looks, and before the program powers the sender again, so that it
// starts afresh: with the look, about once a second.
constexpr int kRestMs = 250;
constexpr std::string_view kIdentification = "KOV";

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

// The texts are English for zeftctl; the window's translator, when installed, puts them
// in the window's language.
std::string ProductionStateText(ProductionState state, const ProductionUnit& unit) {
    const std::string number = std::to_string(unit.number);
    switch (state) {
    case ProductionState::AwaitingSender:
        return TranslatedText("Core", "Connect the next sender");
    case ProductionState::Programming:
        return FillPlaceholders(TranslatedText("Core", "Programming sender %1"), {number});
    case ProductionState::AwaitingRemoval:
        return unit.passed ? FillPlaceholders(
                                 TranslatedText("Core", "Sender %1 programmed and verified: disconnect it"), {number})
                           : FillPlaceholders(TranslatedText("Core", "Sender %1 FAILED: %2"),
                                              {number, TranslatedText("Core", unit.failure.c_str())});
    default:
        return {};
    }
}

std::string ProductionSummaryText(const ProductionSummary& summary) {
    std::string text = FillPlaceholders(TranslatedText("Core", "Programmed %1, failed %2"),
                                        {std::to_string(summary.programmed), std::to_string(summary.failed)});
    if (const int handled = summary.programmed + summary.failed; handled > 0) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", summary.seconds / handled);
        text += FillPlaceholders(TranslatedText("Core", ", %1 s per sender"), {seconds});
    }
    return text;
}

ProductionRun::ProductionRun(TSerialLink& port, Prompts& prompts, IntervalTimer& engineTimer, IntervalTimer& waitTimer)
    : prompts_(prompts), waitTimer_(waitTimer), session_(port, controls_, buttons_, prompts_, engineTimer) {
    waitTimer_.OnTimer = [this] { Tick(); };
    session_.OnIdleReceive = [this](const std::string& cluster) { Heard(cluster); };
    session_.OnOperationEnded = [this](DeviceOperation) {
        // Stop concludes the sender itself; otherwise the result is taken after a rest,
        // when the engine's box for it has come too.
        if (Running()) {
            Rest(Step::AfterProgram);
        }
    };
}

ProductionRun::~ProductionRun() {
    waitTimer_.OnTimer = nullptr;
    waitTimer_.Stop();
    session_.OnIdleReceive = nullptr;
    session_.OnOperationEnded = nullptr;
    session_.Link().SetRTSState(false);
}

bool ProductionRun::SettingsAcceptable() {
    return ValidateSettings(controls_, prompts_) && session_.Engine().HasListSelections();
}

void ProductionRun::RecordInto(std::filesystem::path file, std::string source, OperationRecorder::Warn warn) {
    session_.RecordInto(std::move(file), std::move(source), std::move(warn));
}

bool ProductionRun::Start(std::string label, int count) {
    if (Running()) {
        return false;
    }
    if (!session_.Link().Active()) {
        prompts_.ShowWarningWithDetail("Cannot Open COM port!", session_.Link().PortProblem());
        return false;
    }
    // The engine writes each read-back into the controls: every sender starts from these.
    settings_ = SettingsFromControls(controls_);
    label_ = std::move(label);
    count_ = count;
    units_.clear();
    summary_ = {};
    unit_ = {};
    session_.SetRecordLabel(label_);
    prompts_.SetInLoop(true);
    runStart_ = std::chrono::steady_clock::now();
    SetState(ProductionState::AwaitingSender);
    Listen();
    return true;
}

void ProductionRun::Stop() {
    if (!Running()) {
        return;
    }
    waitTimer_.Stop();
    if (session_.Engine().Running()) {
        state_ = ProductionState::Ended; // the end told now is not a result
        session_.Engine().PowerOffZEFT();
        unit_.stopped = true;
        unit_.failure = HistoryOutcomeText(ExchangeOutcome::None);
        unit_.seconds = SecondsSince(unitStart_);
        units_.push_back(unit_);
        if (OnUnitDone) {
            OnUnitDone(unit_);
        }
    } else if (step_ == Step::AfterProgram) {
        // The result is in; only the rest after it was cut short.
        ProgramEnded();
        if (!Running()) {
            return;
        }
    }
    Finish(true);
}

void ProductionRun::Listen() {
    heard_.clear();
    step_ = Step::Listening;
    session_.Link().SetRTSState(true);
    waitTimer_.Start(kListenMs);
}

void ProductionRun::Rest(Step step) {
    session_.Link().SetRTSState(false);
    step_ = step;
    waitTimer_.Start(kRestMs);
}

void ProductionRun::Tick() {
    waitTimer_.Stop();
    const Step step = std::exchange(step_, Step::None);
    switch (step) {
    case Step::Listening:
        session_.Link().SetRTSState(false);
        if (state_ == ProductionState::AwaitingRemoval) {
            SenderGone();
        } else {
            Rest(Step::Resting);
        }
        break;
    case Step::Resting:
        Listen();
        break;
    case Step::BeforeProgram:
        PutSettingsIntoControls(settings_, controls_);
        prompts_.Forget();
        session_.SetRecordUnit(unit_.number);
        if (!session_.Start(DeviceOperation::Program)) {
            // Refused before the port was touched; the settings did not change, so the
            // port went away.
            ProgramEnded();
        }
        break;
    case Step::AfterProgram:
        ProgramEnded();
        break;
    case Step::None:
        break;
    }
}

void ProductionRun::Heard(const std::string& cluster) {
    if (step_ != Step::Listening) {
        return;
    }
    heard_ += cluster;
    if (heard_.find(kIdentification) == std::string::npos) {
        return;
    }
    waitTimer_.Stop();
    if (state_ == ProductionState::AwaitingSender) {
        SenderFound();
    } else {
        // Still there: off, and look again.
        Rest(Step::Resting);
    }
}

void ProductionRun::SenderFound() {
    unit_ = {};
    unit_.number = static_cast<int>(units_.size()) + 1;
    unitStart_ = std::chrono::steady_clock::now();
    SetState(ProductionState::Programming);
    Rest(Step::BeforeProgram);
}

void ProductionRun::SenderGone() {
    SetState(ProductionState::AwaitingSender);
    Listen();
}

void ProductionRun::ProgramEnded() {
    const ExchangeOutcome outcome = session_.Outcome();
    unit_.passed = outcome == ExchangeOutcome::Success;
    if (!unit_.passed) {
        unit_.failure = prompts_.Kept().empty() ? HistoryOutcomeText(outcome) : prompts_.Kept();
    }
    unit_.seconds = SecondsSince(unitStart_);
    units_.push_back(unit_);
    ++(unit_.passed ? summary_.programmed : summary_.failed);
    if (OnUnitDone) {
        OnUnitDone(unit_);
    }
    if (count_ > 0 && static_cast<int>(units_.size()) >= count_) {
        Finish(false);
        return;
    }
    SetState(ProductionState::AwaitingRemoval);
    Listen();
}

void ProductionRun::Finish(bool stopped) {
    waitTimer_.Stop();
    step_ = Step::None;
    session_.Link().SetRTSState(false);
    prompts_.SetInLoop(false);
    session_.SetRecordUnit(std::nullopt);
    summary_.stopped = stopped;
    summary_.seconds = SecondsSince(runStart_);
    SetState(ProductionState::Ended);
    if (OnEnded) {
        OnEnded();
    }
}

void ProductionRun::SetState(ProductionState state) {
    state_ = state;
    if (OnStateChanged) {
        OnStateChanged();
    }
}

} // namespace zeft
