// The whole termios built for the line settings, from a structure with every bit set: only
// what the settings ask for may be on afterwards.
#include "serial/device/PosixTermios.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zeft::testing {
namespace {

struct TermiosCase {
    const char* name;
    std::uint8_t byteSize;
    std::uint8_t parity;
    std::uint8_t stopBits;
    std::uint32_t flags;
    tcflag_t cflag; // besides CREAD | CLOCAL | HUPCL and the speed
    tcflag_t iflag;
};

constexpr tcflag_t kAlwaysOn = CREAD | CLOCAL | HUPCL;

tcflag_t SpeedBits() {
    tcflag_t bits = 0;
#ifdef CBAUD
    bits |= CBAUD;
#endif
#ifdef CIBAUD
    bits |= CIBAUD;
#endif
    return bits;
}

struct termios EverythingSet() {
    struct termios tio;
    std::memset(&tio, 0xFF, sizeof(tio));
    return tio;
}

TEST(PosixTermios, OnlyWhatTheSettingsAskForIsOn) {
    const TermiosCase cases[] = {
        {"8N1", 8, 0, 0, kDcbBinary, CS8, 0},
        {"7 bits", 7, 0, 0, kDcbBinary, CS7, 0},
        {"6 bits", 6, 0, 0, kDcbBinary, CS6, 0},
        {"5 bits", 5, 0, 0, kDcbBinary, CS5, 0},
        {"odd", 8, 1, 0, kDcbBinary | kDcbParity, CS8 | PARENB | PARODD, INPCK},
        {"even", 8, 2, 0, kDcbBinary | kDcbParity, CS8 | PARENB, INPCK},
#ifdef CMSPAR
        {"mark", 7, 3, 0, kDcbBinary | kDcbParity, CS7 | PARENB | PARODD | CMSPAR, INPCK},
        {"space", 7, 4, 0, kDcbBinary | kDcbParity, CS7 | PARENB | CMSPAR, INPCK},
#endif
        {"even, parity not checked", 8, 2, 0, kDcbBinary, CS8 | PARENB, 0},
        {"parity check without parity", 8, 0, 0, kDcbBinary | kDcbParity, CS8, 0},
        {"one and a half stop bits", 5, 0, 1, kDcbBinary, CS5 | CSTOPB, 0},
        {"two stop bits", 8, 0, 2, kDcbBinary, CS8 | CSTOPB, 0},
        {"RTS/CTS as the dialog sets it", 8, 0, 0, kDcbBinary | 0x2004, CS8 | CRTSCTS, 0},
        {"CTS output flow alone", 8, 0, 0, kDcbBinary | kDcbOutxCtsFlow, CS8 | CRTSCTS, 0},
        {"RTS handshake alone", 8, 0, 0, kDcbBinary | kDcbRtsHandshake, CS8 | CRTSCTS, 0},
        {"RTS enabled is no handshake", 8, 0, 0, kDcbBinary | 0x1000, CS8, 0},
        {"XON/XOFF as the dialog sets it", 8, 0, 0, kDcbBinary | 0x380, CS8, IXON | IXOFF},
        {"XON/XOFF output only", 8, 0, 0, kDcbBinary | kDcbOutX, CS8, IXON},
        {"XON/XOFF input only", 8, 0, 0, kDcbBinary | kDcbInX, CS8, IXOFF},
        {"DSR/DTR has no termios counterpart", 8, 0, 0, kDcbBinary | 0x28, CS8, 0},
        {"everything at once", 7, 1, 2, 0xFFFFFFFFu, CS7 | PARENB | PARODD | CSTOPB | CRTSCTS, INPCK | IXON | IXOFF},
    };
    for (const TermiosCase& c : cases) {
        SCOPED_TRACE(c.name);
        SerialLineSettings settings;
        settings.ByteSize = c.byteSize;
        settings.Parity = c.parity;
        settings.StopBits = c.stopBits;
        settings.Flags = c.flags;
        settings.XonChar = 'Q';
        settings.XoffChar = 'S';
        struct termios tio = EverythingSet();
        ASSERT_EQ(BuildTermios(settings, tio), kDeviceOk);
        EXPECT_EQ(tio.c_cflag & ~SpeedBits(), kAlwaysOn | c.cflag);
        EXPECT_EQ(tio.c_cflag & SpeedBits(), SpeedBits()); // left to the speed call
        EXPECT_EQ(tio.c_iflag, c.iflag);
        EXPECT_EQ(tio.c_oflag, 0u);
        EXPECT_EQ(tio.c_lflag, 0u);
        for (std::size_t i = 0; i < NCCS; ++i) {
            cc_t expected = 0;
            if (i == VMIN) {
                expected = 1;
            } else if (i == VSTART) {
                expected = 'Q';
            } else if (i == VSTOP) {
                expected = 'S';
            }
            EXPECT_EQ(tio.c_cc[i], expected) << "c_cc[" << i << "]";
        }
    }
}

TEST(PosixTermios, ChoicesTheLineCannotTakeAreRefusedAndChangeNothing) {
    struct Refused {
        const char* name;
        std::uint8_t byteSize;
        std::uint8_t parity;
        std::uint8_t stopBits;
        std::uint32_t baudRate;
    };
    const Refused cases[] = {
        {"4 data bits", 4, 0, 0, 9600},     {"9 data bits", 9, 0, 0, 9600},
        {"parity 5", 8, 5, 0, 9600},        {"one and a half with 8 bits", 8, 0, 1, 9600},
        {"two with 5 bits", 5, 0, 2, 9600}, {"stop bits 3", 8, 0, 3, 9600},
        {"baud rate 0", 8, 0, 0, 0},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.name);
        SerialLineSettings settings;
        settings.ByteSize = c.byteSize;
        settings.Parity = c.parity;
        settings.StopBits = c.stopBits;
        settings.BaudRate = c.baudRate;
        struct termios tio = EverythingSet();
        const struct termios before = tio;
        EXPECT_EQ(BuildTermios(settings, tio), kErrorInvalidParameter);
        EXPECT_EQ(std::memcmp(&tio, &before, sizeof(tio)), 0);
    }
}

} // namespace
} // namespace zeft::testing
