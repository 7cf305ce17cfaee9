#include "cli/DeviceSession.h"

#include "cli/ExitStatus.h"
#include "serial/virtual/VirtualSenderPortName.h"

namespace zeft::cli {
namespace {

// Longest operation: power-up, pause, eight acknowledgements and the read-back, each at
// its limit, is about 20 s; past this the engine has stopped answering.
constexpr std::chrono::seconds kOperationLimit{60};

} // namespace

DeviceSession::DeviceSession(ConsoleControls& controls, ConsolePrompts& prompts)
    : controls_(controls), prompts_(prompts), loop_(), link_(loop_.Queue()), senderLink_(link_), timer_(loop_),
      engine_(controls, buttons_, prompts, timer_, senderLink_) {
    link_.SetErrorNoise(2);
    link_.OnRxClusterEvent = [this](TSerialLink&) { engine_.SerialLink1RxClusterEvent(); };
}

DeviceSession::~DeviceSession() {
    engine_.PowerOffZEFT();
    link_.OnRxClusterEvent = nullptr;
    link_.SetActive(false);
}

bool DeviceSession::Open(const std::string& port, const LineOptions& line) {
    // A virtual sender name may carry fault modes; each such name is its own port.
    RegisterVirtualSenderPort(port);
    link_.SetCommPort(port);
    link_.SetBaudRate(line.baudRate);
    link_.SetDataBits(line.dataBits);
    link_.SetParityType(ParityCode(line.parity).value_or(0));
    link_.SetStopBits(StopBitsCode(line.stopBits).value_or(0));
    link_.SetActive(true);
    if (!link_.Active()) {
        prompts_.ShowWarningWithDetail("Cannot Open COM port!", link_.LastOpenErrorText());
        return false;
    }
    link_.SetRTSState(false);
    engine_.ResetExchange();
    return true;
}

int DeviceSession::Run(DeviceOperation operation, const std::function<bool()>& interrupted) {
    switch (operation) {
    case DeviceOperation::Read:
        engine_.ReadBtnClick();
        break;
    case DeviceOperation::Restore:
        engine_.RestBtnClick();
        break;
    case DeviceOperation::Program:
        engine_.SetBtn1Click();
        break;
    }
    if (!engine_.Running()) {
        // Refused before any port activity: a closed port, a validation message or a
        // declined question.
        return engine_.Outcome() == ExchangeOutcome::PortClosed ? kExitPortNotOpened : kExitInvalidInput;
    }
    const bool ended = loop_.RunUntil([&] { return !engine_.Running() || interrupted(); }, kOperationLimit);
    if (!ended || engine_.Running()) {
        engine_.PowerOffZEFT();
        prompts_.ShowError(ended ? "Interrupted: the sender was switched off."
                                 : "The operation did not end in time: the sender was switched off.");
        return kExitOperationFailed;
    }
    return engine_.Succeeded() ? kExitSuccess : kExitOperationFailed;
}

void DeviceSession::SetPower(bool on) {
    link_.SetRTSState(on);
}

void DeviceSession::RunUntil(const std::function<bool()>& stop, std::chrono::milliseconds limit) {
    loop_.RunUntil(stop, limit);
}

void DeviceSession::WakeLoop() {
    loop_.Queue().Interrupt();
}

} // namespace zeft::cli
