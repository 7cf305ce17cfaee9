#include "main/ExchangeEngine.h"

#include "main/ProgramSteps.h"
#include "main/SenderCommands.h"
#include "main/SenderSettings.h"
#include "main/SettingsValidator.h"

#include <array>

namespace zeft {
namespace {

constexpr std::array<OperationButton, 3> kButtons = {OperationButton::ReadBtn, OperationButton::ResetBtn,
                                                     OperationButton::Setbtn};

const std::string kConnectFailureBox = "Fail to connect with the device! Check connection or battery!";
const std::string kConnectFailure = "Fail to connect with the device!";
const std::string kCommunicateFailureBox = "Fail to communicate with the device! Check connection or battery!";
const std::string kCommunicateFailure = "Fail to communicate with the device!";
const std::string kProgramFailureBox = "Fail to program the device! Check connection or battery!";
const std::string kProgramFailure = "Fail to program the device!";
const std::string kFirmwareFailureBox =
    "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!";
const std::string kPortClosed = "Cannot Open COM port!";
const std::string kNoOutputType = "Invalid data in Output Type! Please select an output type!";
const std::string kNoFluidType = "Invalid data in Fluid Type! Please select a fluid type!";

} // namespace

ExchangeEngine::ExchangeEngine(SettingsControls& controls, OperationButtons& buttons, Prompts& prompts,
                               IntervalTimer& timer, SenderLink& link)
    : controls_(controls), buttons_(buttons), prompts_(prompts), timer_(timer), link_(link) {
    timer_.OnTimer = [this] { Timer1Timer(); };
}

ExchangeEngine::~ExchangeEngine() {
    timer_.OnTimer = nullptr;
}

void ExchangeEngine::ReadBtnClick() {
    StartOperation(OperationButton::ReadBtn);
}

void ExchangeEngine::RestBtnClick() {
    StartOperation(OperationButton::ResetBtn);
}

void ExchangeEngine::SetBtn1Click() {
    if (Running()) {
        return;
    }
    if (!ValidateSettings(controls_, prompts_) || !HasListSelections()) {
        outcome_ = ExchangeOutcome::Refused;
        return;
    }
    StartOperation(OperationButton::Setbtn);
}

// An empty list selection has no code to send: refuse before the sender is powered.
bool ExchangeEngine::HasListSelections() {
    if (controls_.OutputTypeIndex() == kNoSelection) {
        prompts_.ShowError(kNoOutputType);
        return false;
    }
    if (controls_.FluidTypeIndex() == kNoSelection) {
        prompts_.ShowError(kNoFluidType);
        return false;
    }
    return true;
}

bool ExchangeEngine::StartOperation(OperationButton button) {
    if (Running()) {
        return false;
    }
    if (!link_.Active()) {
        // An empty reason shows the warning alone.
        outcome_ = ExchangeOutcome::PortClosed;
        prompts_.ShowWarningWithDetail(kPortClosed, link_.PortProblem());
        return false;
    }
    outcome_ = ExchangeOutcome::None;
    DisableButtons();
    if (button == OperationButton::Setbtn) {
        DisableEdits();
    }
    buttons_.SetTag(button, 1);
    exchangeState_ = 0;
    commandSent_ = false;
    timer_.Start(kIdentificationLimitMs);
    // Nothing is sent: the sender announces itself after power-up.
    link_.SetRTSState(true);
    return true;
}

void ExchangeEngine::PowerOffZEFT() {
    if (Running() && outcome_ == ExchangeOutcome::None) {
        // Whoever ends a running operation without an outcome has stopped it.
        outcome_ = ExchangeOutcome::Stopped;
    }
    link_.SetRTSState(false);
    timer_.Stop();
    for (OperationButton button : kButtons) {
        buttons_.SetTag(button, 0);
        buttons_.SetButtonEnabled(button, true);
    }
    exchangeState_ = 0;
    commandSent_ = false;
}

void ExchangeEngine::DisableButtons() {
    for (OperationButton button : kButtons) {
        buttons_.SetButtonEnabled(button, false);
    }
}

void ExchangeEngine::DisableEdits() {
    controls_.SetSettingsEnabled(false);
}

void ExchangeEngine::EnableEdits() {
    controls_.SetSettingsEnabled(true);
}

void ExchangeEngine::ResetExchange() {
    exchangeState_ = 0;
    programStep_ = 0;
    controls_.SetReplyText("");
}

ExchangeOperation ExchangeEngine::Operation() const {
    if (buttons_.Tag(OperationButton::ReadBtn) == 1) {
        return ExchangeOperation::ReadDevice;
    }
    if (buttons_.Tag(OperationButton::ResetBtn) == 1) {
        return ExchangeOperation::RestoreDefault;
    }
    if (buttons_.Tag(OperationButton::Setbtn) == 1) {
        return ExchangeOperation::ProgramDevice;
    }
    return ExchangeOperation::None;
}

void ExchangeEngine::Timer1Timer() {
    const ExchangeOperation operation = Operation();
    if (operation == ExchangeOperation::None) {
        // A tick left over from an ended operation: nothing to time out.
        PowerOffZEFT();
        return;
    }
    switch (exchangeState_) {
    case 0:
    case 1:
    case 2:
        Fail(ExchangeOutcome::ConnectFailed, kConnectFailureBox, kConnectFailure);
        return;
    case 3:
        if (!commandSent_) {
            timer_.Stop();
            SendFirstCommand(operation);
            commandSent_ = true;
            // The sender may stay silent after the command: limit the wait for its reply.
            timer_.Start(kFirstReplyLimitMs);
        } else if (operation == ExchangeOperation::ProgramDevice) {
            Fail(ExchangeOutcome::ProgramFailed, kProgramFailureBox, kProgramFailure);
        } else {
            Fail(ExchangeOutcome::CommunicateFailed, kCommunicateFailureBox, kCommunicateFailure);
        }
        return;
    case 4:
    case 5:
    case 6:
    case 7:
        Fail(ExchangeOutcome::CommunicateFailed, kCommunicateFailureBox, kCommunicateFailure);
        return;
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 14: // the "I" of a rejection without its "n" is just a missing acknowledgement
        Fail(ExchangeOutcome::ProgramFailed, kProgramFailureBox, kProgramFailure);
        return;
    case 13:
        if (operation == ExchangeOperation::ReadDevice) {
            controls_.SetStatusText("Device read successfully!");
        } else if (operation == ExchangeOperation::RestoreDefault) {
            controls_.SetStatusText("Device restored successfully!");
        } else {
            controls_.SetStatusText("Device programmed successfully!");
            EnableEdits();
        }
        outcome_ = ExchangeOutcome::Success;
        PowerOffZEFT();
        return;
    case 15:
        Fail(ExchangeOutcome::IncompatibleFirmware, kFirmwareFailureBox, kProgramFailure);
        return;
    default:
        PowerOffZEFT();
        return;
    }
}

void ExchangeEngine::SendFirstCommand(ExchangeOperation operation) {
    switch (operation) {
    case ExchangeOperation::ReadDevice:
        link_.SendString(std::string(kRequestListingCommand));
        break;
    case ExchangeOperation::RestoreDefault:
        controls_.SetReplyText("Restoring default settings...");
        link_.SendString(std::string(kRestoreDefaultsCommand));
        break;
    case ExchangeOperation::ProgramDevice:
        controls_.SetReplyText("Programming the device now...\r");
        programStep_ = 0;
        link_.SendString(BuildSetCommandFromControls(SetCommand::OutputType, controls_));
        break;
    case ExchangeOperation::None:
        break;
    }
}

// The end of a failed operation: power off first, so that ticks and data arriving while
// the modal box is up change nothing.
void ExchangeEngine::Fail(ExchangeOutcome outcome, const std::string& box, const std::string& status) {
    outcome_ = outcome;
    PowerOffZEFT();
    prompts_.ShowError(box);
    controls_.SetStatusText(status);
    controls_.SetReplyText("");
    EnableEdits();
}

void ExchangeEngine::SerialLink1RxClusterEvent() {
    const std::string cluster = link_.ReadNextClusterAsString();
    for (char c : cluster) {
        // Checked per character: nothing in here ends an operation today, but a
        // character after an end must not be taken as part of a new exchange.
        if (!Running()) {
            return;
        }
        Receive(c);
    }
}

void ExchangeEngine::AppendReply(const std::string& text) {
    controls_.AppendReplyText(text);
}

void ExchangeEngine::Receive(char c) {
    switch (exchangeState_) {
    case 0:
    case 1:
    case 2:
        ReceiveIdentification(c);
        return;
    case 3:
        // During the pause everything is dropped; after the command the first character
        // only starts the reply window.
        if (commandSent_) {
            ReceiveFirstReply();
        }
        return;
    case 4:
    case 5:
    case 6:
        ReceiveListingIdentification(c);
        return;
    case 7:
        ReceiveListing(c);
        return;
    case 8:
    case 9:
    case 10:
    case 11:
    case 14:
        ReceiveAcknowledgement(c);
        return;
    case 12:
        SendNextProgramStep();
        return;
    case 13:
        AppendReply(std::string(1, c));
        return;
    default: // 15: the rejection is known, wait for the tick
        return;
    }
}

void ExchangeEngine::ReceiveIdentification(char c) {
    if (exchangeState_ == 0) {
        controls_.SetStatusText("");
        controls_.SetReplyText("");
        exchangeState_ = c == 'K' ? 1 : 0;
    } else if (exchangeState_ == 1) {
        exchangeState_ = c == 'O' ? 2 : 0;
    } else if (c == 'V') {
        exchangeState_ = 3;
        commandSent_ = false;
        timer_.Start(kCommandPauseMs);
    } else {
        exchangeState_ = 0;
    }
}

void ExchangeEngine::ReceiveFirstReply() {
    exchangeState_ = Operation() == ExchangeOperation::ProgramDevice ? 8 : 4;
    commandSent_ = false;
    timer_.Start(kListingWindowMs);
}

void ExchangeEngine::ReceiveListingIdentification(char c) {
    if (exchangeState_ == 4) {
        exchangeState_ = c == 'K' ? 5 : 4;
    } else if (exchangeState_ == 5) {
        exchangeState_ = c == 'O' ? 6 : 4;
    } else if (c == 'V') {
        controls_.SetReplyText("KOV");
        parser_.Start();
        exchangeState_ = 7;
    } else {
        exchangeState_ = 4;
    }
}

void ExchangeEngine::ReceiveListing(char c) {
    AppendReply(std::string(1, c));
    if (parser_.Feed(c, controls_)) {
        exchangeState_ = 13;
    }
}

void ExchangeEngine::ReceiveAcknowledgement(char c) {
    switch (exchangeState_) {
    case 8:
        exchangeState_ = c == 'D' ? 9 : c == 'I' ? 14 : 8;
        return;
    case 9:
        exchangeState_ = c == 'o' ? 10 : 8;
        return;
    case 10:
        exchangeState_ = c == 'n' ? 11 : 8;
        return;
    case 11:
        if (c == 'e') {
            ++programStep_;
            exchangeState_ = 12;
        } else {
            exchangeState_ = 8;
        }
        return;
    default: // 14
        exchangeState_ = c == 'n' ? 15 : 8;
        return;
    }
}

// The character after "Done": report the step and send the next command, with the value
// taken from the controls as they are now.
void ExchangeEngine::SendNextProgramStep() {
    timer_.Stop();
    int interval = kAcknowledgeLimitMs;
    exchangeState_ = 8;
    const ProgramStepAction action = ProgramStepAfter(programStep_);
    AppendReply(std::string(action.replyLine) + "\r");
    if (action.requestsListing) {
        link_.SendString(std::string(kRequestListingCommand));
        interval = kListingWindowMs;
        exchangeState_ = 4;
    } else {
        link_.SendString(BuildSetCommandFromControls(action.nextCommand, controls_));
    }
    timer_.Start(interval);
}

} // namespace zeft
