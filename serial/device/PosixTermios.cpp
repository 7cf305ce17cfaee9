#include "serial/device/PosixTermios.h"

#include <cstring>

namespace zeft {

namespace {

bool ValidChoice(const SerialLineSettings& settings) {
    if (settings.ByteSize < 5 || settings.ByteSize > 8 || settings.BaudRate == 0 || settings.Parity > 4) {
        return false;
    }
#ifndef CMSPAR
    if (settings.Parity > 2) {
        return false; // mark and space need CMSPAR
    }
#endif
    // One and a half stop bits exist only with five data bits, two only with more.
    const bool fiveBits = settings.ByteSize == 5;
    return settings.StopBits <= 2 && !(settings.StopBits == 1 && !fiveBits) && !(settings.StopBits == 2 && fiveBits);
}

tcflag_t ParityBits(std::uint8_t parity) {
    switch (parity) {
    case 1:
        return PARENB | PARODD;
    case 2:
        return PARENB;
#ifdef CMSPAR
    case 3:
        return PARENB | PARODD | CMSPAR;
    case 4:
        return PARENB | CMSPAR;
#endif
    default:
        return 0;
    }
}

} // namespace

std::uint32_t BuildTermios(const SerialLineSettings& settings, struct termios& tio) {
    if (!ValidChoice(settings)) {
        return kErrorInvalidParameter;
    }
    tcflag_t speed = 0;
#ifdef CBAUD
    speed = tio.c_cflag & CBAUD;
#endif
#ifdef CIBAUD
    speed |= tio.c_cflag & CIBAUD;
#endif

    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    // CLOCAL: carrier detect neither blocks nor hangs up, as on the platform the product
    // comes from. HUPCL: the kernel drops DTR and RTS at the last close, as our own close
    // does, so that a program that dies with the port open does not leave the sender powered.
    tio.c_cflag = speed | CREAD | CLOCAL | HUPCL | kSizes[settings.ByteSize - 5] | ParityBits(settings.Parity);
    if (settings.StopBits != 0) {
        tio.c_cflag |= CSTOPB;
    }
    if ((settings.Flags & kDcbOutxCtsFlow) != 0 || (settings.Flags & kDcbRtsControlMask) == kDcbRtsHandshake) {
        tio.c_cflag |= CRTSCTS;
    }

    tio.c_iflag = 0;
    if ((settings.Flags & kDcbParity) != 0 && settings.Parity != 0) {
        tio.c_iflag |= INPCK;
    }
    if ((settings.Flags & kDcbOutX) != 0) {
        tio.c_iflag |= IXON;
    }
    if ((settings.Flags & kDcbInX) != 0) {
        tio.c_iflag |= IXOFF;
    }
    tio.c_oflag = 0;
    tio.c_lflag = 0;

    // With ICANON and ISIG off the special characters mean nothing; 0 disables them all the same.
    std::memset(tio.c_cc, 0, sizeof(tio.c_cc));
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = static_cast<cc_t>(settings.XonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(settings.XoffChar);
    return kDeviceOk;
}

} // namespace zeft
