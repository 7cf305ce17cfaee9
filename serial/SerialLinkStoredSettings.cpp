#include "serial/SerialLink.h"
#include "serial/settings/PortSettings.h"

namespace zeft {

void TSerialLink::StoreSettingsDirectly(const PortSettings& s) {
    commPort_ = s.CommPort;
    baudRate_ = s.BaudRate;
    parityType_ = s.ParityType;
    SetParityErrorChar(s.ParityErrorChar);
    parityErrorReplacement_ = s.ParityErrorReplacement;
    stopBits_ = s.StopBits;
    dataBits_ = s.DataBits;
    xonChar_ = s.XONChar;
    xoffChar_ = s.XOFFChar;
    xonLimDiv_ = s.XONLimDiv;
    xoffLimDiv_ = s.XOFFLimDiv;
    flowControl_ = s.FlowControl;
    stripNullChars_ = s.StripNullChars;
    eventChar_ = s.EventChar;
    rtoCharDelayTime_ = s.RTOCharDelayTime;
    rtoExtraDelayTime_ = s.RTOExtraDelayTime;
    clusterSize_ = s.ClusterSize;
    rxQueueSize_ = s.RxQueueSize;
    txQueueSize_ = s.TxQueueSize;
    wtoCharDelayTime_ = s.WTOCharDelayTime;
    wtoExtraDelayTime_ = s.WTOExtraDelayTime;
    xtoAuto_ = s.XTOAuto;
    // The lines are not driven: the stored states apply at the next open.
    rtsState_ = s.RTSState;
    dtrState_ = s.DTRState;
    breakState_ = s.BREAKState;
    errorNoise_ = s.ErrorNoise;
}

} // namespace zeft
