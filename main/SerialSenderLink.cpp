#include "main/SerialSenderLink.h"

#include "serial/SerialLink.h"

namespace zeft {

bool SerialSenderLink::Active() const {
    return serialLink_.Active();
}

void SerialSenderLink::SetRTSState(bool raised) {
    serialLink_.SetRTSState(raised);
}

bool SerialSenderLink::RTSSwitchable() const {
    return serialLink_.LastRTSError() == 0;
}

void SerialSenderLink::SendString(const std::string& text) {
    serialLink_.SendString(text);
}

std::string SerialSenderLink::ReadNextClusterAsString() {
    return serialLink_.ReadNextClusterAsString();
}

std::string SerialSenderLink::PortProblem() const {
    return serialLink_.Active() ? std::string() : portProblem_;
}

} // namespace zeft
