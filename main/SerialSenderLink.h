#pragma once

#include "seams/SenderLink.h"

#include <string>
#include <utility>

namespace zeft {

class TSerialLink;

// The serial component as the exchange engine's link to the sender.
class SerialSenderLink : public SenderLink {
public:
    explicit SerialSenderLink(TSerialLink& serialLink) : serialLink_(serialLink) {}

    bool Active() const override;
    void SetRTSState(bool raised) override;
    bool RTSSwitchable() const override;
    void SendString(const std::string& text) override;
    std::string ReadNextClusterAsString() override;
    // The reason noted for the port's present state while it is closed; empty while open.
    std::string PortProblem() const override;

    // Why the port is closed now (a failed open's system reason, a cancelled dialog, no
    // port chosen); the owner notes it after every change, so no old reason outlives it.
    void NotePortProblem(std::string reason) { portProblem_ = std::move(reason); }

private:
    TSerialLink& serialLink_;
    std::string portProblem_;
};

} // namespace zeft
