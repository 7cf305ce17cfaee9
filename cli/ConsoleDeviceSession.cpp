#include "cli/ConsoleDeviceSession.h"

#include "cli/ExitStatus.h"
#include "main/HistoryFile.h"
#include "main/SettingsValidator.h"
#include "serial/LineSettingNames.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <cstdio>

namespace zeft::cli {
namespace {

// Longest operation: power-up, pause, eight acknowledgements and the read-back, each at
// its limit, is about 20 s; past this the engine has stopped answering.
constexpr std::chrono::seconds kOperationLimit{60};

} // namespace

ConsoleDeviceSession::ConsoleDeviceSession(ConsoleControls& controls, ConsolePrompts& prompts)
    : controls_(controls), prompts_(prompts), loop_(), link_(loop_.Queue()), timer_(loop_),
      session_(link_, controls, buttons_, prompts, timer_) {
    link_.SetErrorNoise(2);
    // A warning line of its own: not an error of the operation, whose report stays as it is.
    session_.RecordInto(HistoryFilePath(), "zeftctl", [](const std::string& text, const std::string& detail) {
        std::fprintf(stderr, "Warning: %s %s\n", text.c_str(), detail.c_str());
    });
}

bool ConsoleDeviceSession::Open(const std::string& port, const LineOptions& line) {
    // The options are the port choice; nothing is stored.
    return session_.ChoosePort(nullptr, [&] {
        // A virtual sender name may carry fault modes; each such name is its own port.
        RegisterVirtualSenderPort(port);
        link_.SetCommPort(port);
        link_.SetBaudRate(line.baudRate);
        link_.SetDataBits(line.dataBits);
        link_.SetParityType(ParityCode(line.parity).value_or(0));
        link_.SetStopBits(StopBitsCode(line.stopBits).value_or(0));
        return PortChoice::Port;
    });
}

bool ConsoleDeviceSession::ProgramSettingsAcceptable() {
    return ProgramSettingsAcceptable(prompts_);
}

bool ConsoleDeviceSession::ProgramSettingsAcceptable(zeft::Prompts& validation) {
    return ValidateSettings(controls_, validation) && session_.Engine().HasListSelections();
}

int ConsoleDeviceSession::Run(DeviceOperation operation, const std::function<bool()>& interrupted) {
    return Await(session_.Start(operation), interrupted);
}

int ConsoleDeviceSession::Await(bool started, const std::function<bool()>& interrupted) {
    ExchangeEngine& engine = session_.Engine();
    if (!started) {
        // Refused before any port activity: a closed port, a validation message or a
        // declined question.
        return session_.Outcome() == ExchangeOutcome::PortClosed ? kExitPortNotOpened : kExitInvalidInput;
    }
    const bool ended = loop_.RunUntil([&] { return !engine.Running() || interrupted(); }, kOperationLimit);
    if (!ended || engine.Running()) {
        engine.PowerOffZEFT();
        prompts_.ShowError(ended ? "Interrupted: the sender was switched off."
                                 : "The operation did not end in time: the sender was switched off.");
        return ended ? kExitInterrupted : kExitOperationFailed;
    }
    return engine.Succeeded() ? kExitSuccess : kExitOperationFailed;
}

int ConsoleDeviceSession::ReadAside(const std::function<bool()>& interrupted, RecordedSettings& reported) {
    // The read ends, and so hands the report over, before Await returns.
    return Await(session_.StartReadAside([&reported](const RecordedSettings& read) { reported = read; }), interrupted);
}

bool ConsoleDeviceSession::SetPower(bool on) {
    link_.SetRTSState(on);
    return link_.LastRTSError() == 0;
}

void ConsoleDeviceSession::RunUntil(const std::function<bool()>& stop, std::chrono::milliseconds limit) {
    loop_.RunUntil(stop, limit);
}

void ConsoleDeviceSession::WakeLoop() {
    loop_.Queue().Interrupt();
}

} // namespace zeft::cli
