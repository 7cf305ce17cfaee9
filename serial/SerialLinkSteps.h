#pragma once

#include <cstdint>
#include <string>

namespace zeft {

class TSerialCluster;

// The events the worker hands over besides the line events of the event mask.
enum class LinkEvent { Ring, CommStat, WriteDone };

// What the worker of a serial component hands over to the main thread, without seeing the
// component itself. The Listens calls are asked on the worker thread (a handler's
// Assigned flag is atomic), so that it hands over only what somebody listens to; the
// others run on the main thread while the worker waits in the hand-over.
class SerialLinkSteps {
public:
    virtual ~SerialLinkSteps() = default;

    virtual bool Listens(LinkEvent event) const = 0;
    // A handler for one of the line events in mask, or for every line event.
    virtual bool ListensToLineEvents(std::uint32_t mask) const = 0;
    virtual bool ListensToReports() const = 0;

    virtual void Fire(LinkEvent event) = 0;
    // The handlers of the events in mask in their fixed order, then the one for all.
    virtual void FireLineEvents(std::uint32_t mask) = 0;
    virtual void AppendCluster(TSerialCluster&& cluster) = 0;
    // A worker's report, shown as an error.
    virtual void Report(std::uint32_t place, std::uint32_t code, const std::string& msg) = 0;
};

} // namespace zeft
