// TSerialLink: the steps its worker hands over to the main thread.
#include "serial/SerialLink.h"

#include <utility>

namespace zeft {

namespace {

// Line event handlers in the order the main thread sees them.
struct EventSlot {
    std::uint32_t bit;
    TSerialEvent<TNotifyEvent> TSerialLink::*handler;
};
constexpr EventSlot kEventOrder[] = {
    {kEvBreak, &TSerialLink::OnBreakEvent},
    {kEvCts, &TSerialLink::OnCTSEvent},
    {kEvDsr, &TSerialLink::OnDSREvent},
    {kEvErr, &TSerialLink::OnLineErrorEvent},
    {kEvRing, &TSerialLink::OnRingEvent},
    {kEvRlsd, &TSerialLink::OnRLSDEvent},
    {kEvRxChar, &TSerialLink::OnRxCharEvent},
    {kEvRxFlag, &TSerialLink::OnRxEventCharEvent},
    {kEvTxEmpty, &TSerialLink::OnTxQueueEmptyEvent},
};

TSerialEvent<TNotifyEvent> TSerialLink::*Handler(LinkEvent event) {
    switch (event) {
    case LinkEvent::Ring:
        return &TSerialLink::OnRIEvent;
    case LinkEvent::CommStat:
        return &TSerialLink::OnCommStat;
    case LinkEvent::WriteDone:
        break;
    }
    return &TSerialLink::OnWriteDone;
}

} // namespace

bool TSerialLink::Listens(LinkEvent event) const {
    return (this->*Handler(event)).Assigned();
}

bool TSerialLink::ListensToLineEvents(std::uint32_t mask) const {
    bool listened = OnCommEvent.Assigned();
    for (const EventSlot& slot : kEventOrder) {
        listened = listened || ((mask & slot.bit) != 0 && (this->*slot.handler).Assigned());
    }
    return listened;
}

bool TSerialLink::ListensToReports() const {
    return OnProcessError.Assigned();
}

void TSerialLink::Fire(LinkEvent event) {
    FireEvent(this->*Handler(event));
}

void TSerialLink::FireLineEvents(std::uint32_t mask) {
    for (const EventSlot& slot : kEventOrder) {
        if ((mask & slot.bit) != 0) {
            FireEvent(this->*slot.handler);
        }
    }
    FireEvent(OnCommEvent);
}

void TSerialLink::AppendCluster(TSerialCluster&& cluster) {
    clusters_.push_back(std::move(cluster));
    FireEvent(OnRxClusterEvent);
}

void TSerialLink::Report(std::uint32_t place, std::uint32_t code, const std::string& msg) {
    ProcessError(place, code, 0, msg);
}

} // namespace zeft
