#pragma once

#include "main/ExchangeStates.h"
#include "main/ListingParser.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderCommands.h"
#include "seams/IntervalTimer.h"
#include "seams/OperationButtons.h"
#include "seams/Prompts.h"
#include "seams/SenderLink.h"
#include "seams/SettingsControls.h"
#include "seams/TextTranslation.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// How the last device operation ended, beside the texts it showed: callers decide on this
// value, never on the wording of a status text.
enum class ExchangeOutcome {
    None,                 // no operation yet, or one is running
    Success,              // read, restored or programmed
    PortClosed,           // "Cannot Open COM port!": nothing started
    Refused,              // a validation message, a declined question or an empty list
    ConnectFailed,        // no identification after power-up
    CommunicateFailed,    // listing incomplete
    ProgramFailed,        // an acknowledgement missing
    SettingsNotKept,      // all acknowledged, but the listing read back differs from what was sent
    IncompatibleFirmware, // the sender rejected a set command
};

// Waits of an operation, in milliseconds. The timer guards every one of them.
inline constexpr int kIdentificationLimitMs = 1000; // power-up to the identification
inline constexpr int kCommandPauseMs = 500;         // identification to the first command
inline constexpr int kListingWindowMs = 800;        // first reply character to the end of the listing
inline constexpr int kAcknowledgeLimitMs = 2000;    // one "Done" to the next
inline constexpr int kFirstReplyLimitMs = 2000;     // first command to the first reply character

// The start of the box Program Device shows when the read-back differs from what was sent;
// each setting that differs follows, as "Top Limit (sent 20, read 10)".
inline constexpr const char* kSettingsNotKeptBox = ZEFT_TEXT("Core", "The device did not keep these settings: ");

// Reads, programs and restores the sender: the main window's Read Device, Program Device
// and Restore Default. It powers the sender through RTS, follows its replies character by
// character, writes the listing into the settings controls and reports the outcome in the
// status panel, the reply display (Label9) and, on failure, an error box.
//
// Everything runs on the main thread. The owner (the main window, the command-line tool)
// creates one engine over its seams and forwards:
//   - the three button clicks to ReadBtnClick, SetBtn1Click and RestBtnClick;
//   - every OnRxClusterEvent of the serial component to SerialLink1RxClusterEvent, which
//     takes the cluster itself through SenderLink::ReadNextClusterAsString.
// The engine binds the timer's OnTimer to Timer1Timer on construction (and unbinds it on
// destruction); an owner whose timer calls something else forwards its ticks there.
// Every end of an operation passes through PowerOffZEFT: RTS low, timer stopped, all Tags
// 0, the three buttons enabled.
class ExchangeEngine {
public:
    ExchangeEngine(SettingsControls& controls, OperationButtons& buttons, Prompts& prompts, IntervalTimer& timer,
                   SenderLink& link);
    ~ExchangeEngine();
    ExchangeEngine(const ExchangeEngine&) = delete;
    ExchangeEngine& operator=(const ExchangeEngine&) = delete;

    // Button handlers. Each is ignored while an operation runs (the buttons are disabled
    // then; this guards other callers such as the command-line tool).
    void ReadBtnClick();
    void RestBtnClick();
    void SetBtn1Click();
    // Program Device's check of the two lists, after the validation: an empty selection
    // has no code to send, so an error box says which and false is returned.
    bool HasListSelections();

    // Receive handler: takes the next cluster and, if an operation runs, feeds its
    // characters in order to the state machine; otherwise the cluster is dropped.
    void SerialLink1RxClusterEvent();

    // Timer tick: ends a wait by the current state.
    void Timer1Timer();

    // Ends any operation: RTS low, timer stopped, Tags 0, buttons enabled, state kAwaitPowerUpK. Leaves
    // the settings controls, the reply display and the status panel alone.
    void PowerOffZEFT();
    void DisableButtons();
    void DisableEdits();
    void EnableEdits();

    // The window's start-up and port settings command: state and step 0, Label9 cleared.
    void ResetExchange();

    // The running operation, by the buttons' Tags.
    // Which device operation runs: the first button with Tag 1, in the order Read Device,
    // Restore Default, Program Device; none while idle.
    std::optional<DeviceOperation> Operation() const;
    bool Running() const { return Operation().has_value(); }

    // The outcome of the last operation started; None while one runs.
    ExchangeOutcome Outcome() const { return outcome_; }
    // The outcome is a success.
    bool Succeeded() const { return outcome_ == ExchangeOutcome::Success; }
    // With SettingsNotKept: the error box's text, which names the settings not kept.
    const std::string& SettingsNotKeptText() const { return notKeptText_; }

    // Told when an operation has started (the sender is being powered), and when it has
    // ended, after its own messages (error box, status, reply display): Outcome() then says
    // how. Every started operation ends exactly once.
    std::function<void(DeviceOperation)> OnOperationStarted;
    std::function<void(DeviceOperation)> OnOperationEnded;

    // One of the kAwait... values of main/ExchangeStates.h.
    std::uint8_t ExchangeState() const { return exchangeState_; }
    std::int32_t ProgramStep() const { return programStep_; }
    zeft::ListingField ListingField() const { return parser_.Field(); }

private:
    bool StartOperation(DeviceOperation button);
    void Receive(char c);
    void ReceiveIdentification(char c);
    void ReceiveFirstReply();
    void ReceiveListingIdentification(char c);
    void ReceiveListing(char c);
    void ReceiveAcknowledgement(char c);
    void SendNextProgramStep();
    void SendFirstCommand(DeviceOperation operation);
    void SendSetCommand(SetCommand command);
    void ReportProgrammed();
    void Fail(ExchangeOutcome outcome, const std::string& box, const std::string& status);
    void AppendReply(const std::string& text);
    void TellEnded(DeviceOperation operation);

    SettingsControls& controls_;
    OperationButtons& buttons_;
    Prompts& prompts_;
    IntervalTimer& timer_;
    SenderLink& link_;

    std::uint8_t exchangeState_ = kAwaitPowerUpK;
    std::int32_t programStep_ = 0;
    ExchangeOutcome outcome_ = ExchangeOutcome::None;
    std::string notKeptText_;
    ListingParser parser_;
    // Program Device: each setting as its set command carried it, for the read-back check.
    PlainSettingsControls sent_;
    // In kAwaitPause: the pause has ended and the first command is out, so the next
    // character is the first of the reply (the timer now guards the first-reply limit).
    bool commandSent_ = false;
    // While a failure shows its messages, the end is told after them.
    bool holdEndNotice_ = false;
    std::optional<DeviceOperation> heldEnd_;
};

} // namespace zeft
