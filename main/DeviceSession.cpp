#include "main/DeviceSession.h"

#include "serial/PortDescription.h"
#include "serial/SerialLink.h"
#include "serial/SerialLinkSettingsTarget.h"

#include <utility>

namespace zeft {
namespace {

const char kPortClosed[] = ZEFT_TEXT("Core", "Cannot Open COM port!");
// Why the port is closed after the port choice.
const char kNoPortSelected[] = ZEFT_TEXT("Core", "No serial port was selected.");
const char kSettingsCancelled[] =
    ZEFT_TEXT("Core", "No serial port is open: the Communication Settings were cancelled.");

} // namespace

DeviceSession::DeviceSession(TSerialLink& port, SettingsControls& controls, OperationButtons& buttons, Prompts& prompts,
                             IntervalTimer& timer)
    : port_(port), controls_(controls), prompts_(prompts), link_(port),
      engine_(controls, buttons, prompts, timer, link_) {
    TakeBackPort();
    engine_.OnOperationStarted = [this](DeviceOperation operation) {
        const std::string name = port_.CommPort();
        recorder_.Started(operation, name, DescribePort(name).Identity(), controls_);
    };
    engine_.OnOperationEnded = [this](DeviceOperation operation) {
        recorder_.Ended(engine_.Outcome(), controls_, engine_.SettingsNotKeptText());
        if (asideKept_) {
            EndReadAside();
        }
        if (OnOperationEnded) {
            OnOperationEnded(operation);
        }
    };
}

DeviceSession::~DeviceSession() {
    // The component still delivers while it closes; nothing may reach the engine then.
    port_.OnRxClusterEvent = nullptr;
    OnIdleReceive = nullptr;
    // An operation stopped here is still recorded, but the front end is going: no box.
    recorder_.StopWarnings();
    OnOperationEnded = nullptr;
    asideEnded_ = nullptr;
    engine_.PowerOffZEFT();
    engine_.OnOperationStarted = nullptr;
    engine_.OnOperationEnded = nullptr;
}

void DeviceSession::TakeBackPort() {
    port_.OnRxClusterEvent = [this](TSerialLink&) {
        if (!engine_.Running() && OnIdleReceive) {
            OnIdleReceive(link_.ReadNextClusterAsString());
            return;
        }
        engine_.SerialLink1RxClusterEvent();
    };
}

void DeviceSession::RecordInto(std::filesystem::path file, std::string source, OperationRecorder::Warn warn) {
    recorder_.WriteTo(std::move(file), std::move(source), std::move(warn));
}

bool DeviceSession::Open() {
    // The port may be another one now, or the same name on another cable.
    recorder_.ForgetAsFound();
    port_.SetActive(true);
    port_.SetRTSState(false);
    // The reason of this attempt, never one left over from an earlier one.
    std::string reason = port_.Active() ? std::string() : port_.LastOpenErrorText();
    if (!port_.Active() && !openFailurePointer_.empty()) {
        reason += (reason.empty() ? "" : reason.back() == '.' ? " " : ". ") + openFailurePointer_;
    }
    link_.NotePortProblem(std::move(reason));
    if (!port_.Active()) {
        prompts_.ShowWarningWithDetail(kPortClosed, link_.PortProblem());
    }
    return port_.Active();
}

void DeviceSession::Close(std::string reason) {
    recorder_.ForgetAsFound();
    port_.SetActive(false);
    link_.NotePortProblem(std::move(reason));
}

void DeviceSession::CloseAndWarn(std::string reason) {
    Close(std::move(reason));
    prompts_.ShowWarningWithDetail(kPortClosed, link_.PortProblem());
}

bool DeviceSession::ChoosePort(const StoredPortSettings* stored, const std::function<PortChoice()>& choose) {
    engine_.ResetExchange();
    if (stored != nullptr) {
        ReadSettings(port_, stored->key, stored->section, stored->store);
    }
    // Closed while the choice is made; the reason stands unless a port is opened.
    Close(kSettingsCancelled);
    const PortChoice choice = choose();
    if (choice == PortChoice::Cancelled) {
        return false;
    }
    if (stored != nullptr) {
        WriteSettings(port_, stored->key, stored->section, stored->store);
    }
    if (choice == PortChoice::NoPort) {
        // Nothing to open: no port was found or chosen.
        CloseAndWarn(kNoPortSelected);
        return false;
    }
    return Open();
}

bool DeviceSession::StartReadAside(std::function<void(const RecordedSettings& reported)> ended) {
    if (engine_.Running()) {
        return false;
    }
    asideKept_ = SettingsFromControls(controls_);
    asideEnded_ = std::move(ended);
    controls_.SetSettingsEnabled(false);
    if (!Start(DeviceOperation::Read)) {
        // Refused before it started (the port is closed), with its own message; the
        // controls were not touched.
        asideKept_.reset();
        asideEnded_ = nullptr;
        controls_.SetSettingsEnabled(true);
        return false;
    }
    return true;
}

void DeviceSession::EndReadAside() {
    const RecordedSettings reported = SettingsFromControls(controls_);
    PutSettingsIntoControls(*asideKept_, controls_);
    asideKept_.reset();
    controls_.SetSettingsEnabled(true);
    // Taken first: the handler may start another read aside.
    const auto ended = std::move(asideEnded_);
    asideEnded_ = nullptr;
    if (ended) {
        ended(reported);
    }
}

bool DeviceSession::Start(DeviceOperation operation) {
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
    return engine_.Running();
}

} // namespace zeft
