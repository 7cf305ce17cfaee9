#include "main/ExchangeEngine.h"

#include "main/ProgramSteps.h"
#include "main/SenderCommands.h"
#include "main/SenderSettings.h"
#include "main/SettingsComparison.h"
#include "main/SettingsValidator.h"
#include "seams/TextTranslation.h"

#include <array>
#include <utility>

namespace zeft {
namespace {

constexpr std::array<DeviceOperation, 3> kButtons = {DeviceOperation::Read, DeviceOperation::Restore,
                                                     DeviceOperation::Program};

const std::string kConnectFailureBox =
    ZEFT_TEXT("Core", "Fail to connect with the device! Check connection or battery!");
const std::string kConnectFailure = ZEFT_TEXT("Core", "Fail to connect with the device!");
const std::string kCommunicateFailureBox =
    ZEFT_TEXT("Core", "Fail to communicate with the device! Check connection or battery!");
const std::string kCommunicateFailure = ZEFT_TEXT("Core", "Fail to communicate with the device!");
const std::string kProgramFailureBox = ZEFT_TEXT("Core", "Fail to program the device! Check connection or battery!");
const std::string kProgramFailure = ZEFT_TEXT("Core", "Fail to program the device!");
const std::string kFirmwareFailureBox =
    ZEFT_TEXT("Core", "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!");
const std::string kPortClosed = ZEFT_TEXT("Core", "Cannot Open COM port!");
const std::string kNoOutputType = ZEFT_TEXT("Core", "Invalid data in Output Type! Please select an output type!");
const std::string kNoFluidType = ZEFT_TEXT("Core", "Invalid data in Fluid Type! Please select a fluid type!");

// The box for settings the sender did not keep: which ones, sent and read back.
std::string SettingsNotKeptBoxText(const SettingsComparison& kept, bool translated) {
    const auto text = [translated](const std::string& english) {
        return translated ? TranslatedText("Core", english.c_str()) : english;
    };
    std::string box = text(kSettingsNotKeptBox);
    const char* separator = "";
    for (const SettingsComparisonRow& row : kept.rows) {
        if (!row.same) {
            box.append(separator).append(FillPlaceholders(text(ZEFT_TEXT("Core", "%1 (sent %2, read %3)")),
                                                          {text(row.setting), row.left, row.right}));
            separator = ", ";
        }
    }
    return box + ".";
}

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
    StartOperation(DeviceOperation::Read);
}

void ExchangeEngine::RestBtnClick() {
    StartOperation(DeviceOperation::Restore);
}

void ExchangeEngine::SetBtn1Click() {
    if (Running()) {
        return;
    }
    if (!ValidateSettings(controls_, prompts_) || !HasListSelections()) {
        outcome_ = ExchangeOutcome::Refused;
        return;
    }
    StartOperation(DeviceOperation::Program);
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

bool ExchangeEngine::StartOperation(DeviceOperation button) {
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
    if (button == DeviceOperation::Program) {
        DisableEdits();
    }
    buttons_.SetTag(button, 1);
    exchangeState_ = kAwaitPowerUpK;
    commandSent_ = false;
    timer_.Start(kIdentificationLimitMs);
    // Nothing is sent: the sender announces itself after power-up.
    link_.SetRTSState(true);
    if (OnOperationStarted) {
        OnOperationStarted(button);
    }
    return true;
}

void ExchangeEngine::PowerOffZEFT() {
    const std::optional<DeviceOperation> ended = Operation();
    link_.SetRTSState(false);
    timer_.Stop();
    for (DeviceOperation button : kButtons) {
        buttons_.SetTag(button, 0);
        buttons_.SetButtonEnabled(button, true);
    }
    exchangeState_ = kAwaitPowerUpK;
    commandSent_ = false;
    if (!ended) {
        return;
    }
    if (holdEndNotice_) {
        heldEnd_ = ended;
    } else {
        TellEnded(*ended);
    }
}

void ExchangeEngine::TellEnded(DeviceOperation operation) {
    if (OnOperationEnded) {
        OnOperationEnded(operation);
    }
}

void ExchangeEngine::DisableButtons() {
    for (DeviceOperation button : kButtons) {
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
    exchangeState_ = kAwaitPowerUpK;
    programStep_ = 0;
    controls_.SetReplyText("");
}

std::optional<DeviceOperation> ExchangeEngine::Operation() const {
    if (buttons_.Tag(DeviceOperation::Read) == 1) {
        return DeviceOperation::Read;
    }
    if (buttons_.Tag(DeviceOperation::Restore) == 1) {
        return DeviceOperation::Restore;
    }
    if (buttons_.Tag(DeviceOperation::Program) == 1) {
        return DeviceOperation::Program;
    }
    return std::nullopt;
}

void ExchangeEngine::Timer1Timer() {
    const std::optional<DeviceOperation> operation = Operation();
    if (!operation) {
        // A tick left over from an ended operation: nothing to time out.
        PowerOffZEFT();
        return;
    }
    switch (exchangeState_) {
    case kAwaitPowerUpK:
    case kAwaitPowerUpO:
    case kAwaitPowerUpV:
        Fail(ExchangeOutcome::ConnectFailed, kConnectFailureBox, kConnectFailure);
        return;
    case kAwaitPause:
        if (!commandSent_) {
            timer_.Stop();
            SendFirstCommand(*operation);
            commandSent_ = true;
            // The sender may stay silent after the command: limit the wait for its reply.
            timer_.Start(kFirstReplyLimitMs);
        } else if (operation == DeviceOperation::Program) {
            Fail(ExchangeOutcome::ProgramFailed, kProgramFailureBox, kProgramFailure);
        } else {
            Fail(ExchangeOutcome::CommunicateFailed, kCommunicateFailureBox, kCommunicateFailure);
        }
        return;
    case kAwaitListingK:
    case kAwaitListingO:
    case kAwaitListingV:
    case kAwaitFields:
        Fail(ExchangeOutcome::CommunicateFailed, kCommunicateFailureBox, kCommunicateFailure);
        return;
    case kAwaitDoneD:
    case kAwaitDoneO:
    case kAwaitDoneN:
    case kAwaitDoneE:
    case kAwaitAfterDone:
    case kAwaitRejectionN: // the "I" of a rejection without its "n" is just a missing acknowledgement
        Fail(ExchangeOutcome::ProgramFailed, kProgramFailureBox, kProgramFailure);
        return;
    case kAwaitSuccessTick:
        if (operation == DeviceOperation::Read) {
            controls_.SetStatusText(ZEFT_TEXT("Core", "Device read successfully!"));
        } else if (operation == DeviceOperation::Restore) {
            controls_.SetStatusText(ZEFT_TEXT("Core", "Device restored successfully!"));
        } else {
            ReportProgrammed();
            return;
        }
        outcome_ = ExchangeOutcome::Success;
        PowerOffZEFT();
        return;
    case kAwaitRejectionTick:
        Fail(ExchangeOutcome::IncompatibleFirmware, kFirmwareFailureBox, kProgramFailure);
        return;
    default:
        PowerOffZEFT();
        return;
    }
}

void ExchangeEngine::SendFirstCommand(DeviceOperation operation) {
    switch (operation) {
    case DeviceOperation::Read:
        link_.SendString(std::string(kRequestListingCommand));
        break;
    case DeviceOperation::Restore:
        controls_.SetReplyText(ZEFT_TEXT("Core", "Restoring default settings..."));
        link_.SendString(std::string(kRestoreDefaultsCommand));
        break;
    case DeviceOperation::Program:
        controls_.SetReplyText(ZEFT_TEXT("Core", "Programming the device now...\r"));
        programStep_ = 0;
        SendSetCommand(SetCommand::OutputType);
        break;
    }
}

void ExchangeEngine::SendSetCommand(SetCommand command) {
    CopyCommandSetting(command, controls_, sent_);
    link_.SendString(BuildSetCommandFromControls(command, sent_));
}

// A sender may acknowledge every command and still keep its old values: only a read-back
// that matches what was sent is a success. Either way the controls show what it reported,
// and the reply display keeps the listing as the evidence.
void ExchangeEngine::ReportProgrammed() {
    const SettingsComparison kept = CompareSettings(sent_, controls_);
    if (kept.equal) {
        controls_.SetStatusText(ZEFT_TEXT("Core", "Device programmed successfully!"));
        EnableEdits();
        outcome_ = ExchangeOutcome::Success;
        PowerOffZEFT();
        return;
    }
    outcome_ = ExchangeOutcome::SettingsNotKept;
    // The history keeps the English text, as it keeps every text; the box speaks the
    // window's language.
    notKeptText_ = SettingsNotKeptBoxText(kept, false);
    PowerOffZEFT();
    prompts_.ShowError(SettingsNotKeptBoxText(kept, true));
    controls_.SetStatusText(kProgramFailure);
    EnableEdits();
}

// The end of a failed operation: power off first, so that ticks and data arriving while
// the modal box is up change nothing.
void ExchangeEngine::Fail(ExchangeOutcome outcome, const std::string& box, const std::string& status) {
    outcome_ = outcome;
    holdEndNotice_ = true;
    heldEnd_.reset();
    PowerOffZEFT();
    prompts_.ShowError(box);
    controls_.SetStatusText(status);
    controls_.SetReplyText("");
    EnableEdits();
    holdEndNotice_ = false;
    if (const std::optional<DeviceOperation> held = std::exchange(heldEnd_, std::nullopt)) {
        TellEnded(*held);
    }
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
    case kAwaitPowerUpK:
    case kAwaitPowerUpO:
    case kAwaitPowerUpV:
        ReceiveIdentification(c);
        return;
    case kAwaitPause:
        // During the pause everything is dropped; after the command the first character
        // only starts the reply window.
        if (commandSent_) {
            ReceiveFirstReply();
        }
        return;
    case kAwaitListingK:
    case kAwaitListingO:
    case kAwaitListingV:
        ReceiveListingIdentification(c);
        return;
    case kAwaitFields:
        ReceiveListing(c);
        return;
    case kAwaitDoneD:
    case kAwaitDoneO:
    case kAwaitDoneN:
    case kAwaitDoneE:
    case kAwaitRejectionN:
        ReceiveAcknowledgement(c);
        return;
    case kAwaitAfterDone:
        SendNextProgramStep();
        return;
    case kAwaitSuccessTick:
        AppendReply(std::string(1, c));
        return;
    default: // kAwaitRejectionTick: the rejection is known, wait for the tick
        return;
    }
}

void ExchangeEngine::ReceiveIdentification(char c) {
    if (exchangeState_ == kAwaitPowerUpK) {
        controls_.SetStatusText("");
        controls_.SetReplyText("");
        exchangeState_ = c == 'K' ? kAwaitPowerUpO : kAwaitPowerUpK;
    } else if (exchangeState_ == kAwaitPowerUpO) {
        exchangeState_ = c == 'O' ? kAwaitPowerUpV : kAwaitPowerUpK;
    } else if (c == 'V') {
        exchangeState_ = kAwaitPause;
        commandSent_ = false;
        timer_.Start(kCommandPauseMs);
    } else {
        exchangeState_ = kAwaitPowerUpK;
    }
}

void ExchangeEngine::ReceiveFirstReply() {
    exchangeState_ = Operation() == DeviceOperation::Program ? kAwaitDoneD : kAwaitListingK;
    commandSent_ = false;
    timer_.Start(kListingWindowMs);
}

void ExchangeEngine::ReceiveListingIdentification(char c) {
    if (exchangeState_ == kAwaitListingK) {
        exchangeState_ = c == 'K' ? kAwaitListingO : kAwaitListingK;
    } else if (exchangeState_ == kAwaitListingO) {
        exchangeState_ = c == 'O' ? kAwaitListingV : kAwaitListingK;
    } else if (c == 'V') {
        controls_.SetReplyText("KOV");
        parser_.Start();
        exchangeState_ = kAwaitFields;
    } else {
        exchangeState_ = kAwaitListingK;
    }
}

void ExchangeEngine::ReceiveListing(char c) {
    AppendReply(std::string(1, c));
    if (parser_.Feed(c, controls_)) {
        exchangeState_ = kAwaitSuccessTick;
    }
}

void ExchangeEngine::ReceiveAcknowledgement(char c) {
    switch (exchangeState_) {
    case kAwaitDoneD:
        exchangeState_ = c == 'D' ? kAwaitDoneO : c == 'I' ? kAwaitRejectionN : kAwaitDoneD;
        return;
    case kAwaitDoneO:
        exchangeState_ = c == 'o' ? kAwaitDoneN : kAwaitDoneD;
        return;
    case kAwaitDoneN:
        exchangeState_ = c == 'n' ? kAwaitDoneE : kAwaitDoneD;
        return;
    case kAwaitDoneE:
        if (c == 'e') {
            ++programStep_;
            exchangeState_ = kAwaitAfterDone;
        } else {
            exchangeState_ = kAwaitDoneD;
        }
        return;
    default: // kAwaitRejectionN
        exchangeState_ = c == 'n' ? kAwaitRejectionTick : kAwaitDoneD;
        return;
    }
}

// The character after "Done": report the step and send the next command, with the value
// taken from the controls as they are now.
void ExchangeEngine::SendNextProgramStep() {
    timer_.Stop();
    int interval = kAcknowledgeLimitMs;
    exchangeState_ = kAwaitDoneD;
    const ProgramStepAction action = ProgramStepAfter(programStep_);
    AppendReply(std::string(action.replyLine) + "\r");
    if (action.requestsListing) {
        link_.SendString(std::string(kRequestListingCommand));
        interval = kListingWindowMs;
        exchangeState_ = kAwaitListingK;
    } else {
        SendSetCommand(action.nextCommand);
    }
    timer_.Start(interval);
}

} // namespace zeft
