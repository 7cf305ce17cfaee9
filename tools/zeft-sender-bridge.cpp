// Runs the virtual sender on a pseudo-terminal and prints the path to open, so that the
// program (or any terminal tool) can talk to a sender without hardware.
//
//   zeft-sender-bridge            a well-behaved sender
//   zeft-sender-bridge "noise, split"
//                                 with faults, named as in the virtual sender's port names
#ifdef _WIN32
#include <cstdio>

int main() {
    std::fprintf(stderr,
                 "zeft-sender-bridge needs pseudo-terminals; on Windows use the port \"ZEFT Virtual Sender\".\n");
    return 1;
}
#else
#include "serial/virtual/PosixSenderBridge.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <csignal>
#include <cstdio>
#include <string>

namespace {

zeft::PosixSenderBridge* g_bridge = nullptr;

extern "C" void OnSignal(int) {
    if (g_bridge != nullptr) {
        g_bridge->Stop();
    }
}

} // namespace

int main(int argc, char** argv) {
    zeft::VirtualSenderFaults faults;
    if (argc > 2 || (argc == 2 && !zeft::ParseVirtualSenderPortName(
                                      std::string(zeft::kVirtualSenderPortName) + " (" + argv[1] + ")", faults))) {
        std::fprintf(stderr,
                     "usage: %s [\"fault, fault, ...\"]\nfaults: silent, old firmware, first D, KK, noise, "
                     "split, stop after N, slow N\n",
                     argv[0]);
        return 2;
    }
    zeft::PosixSenderBridge bridge(faults);
    std::string error;
    if (!bridge.Open(error)) {
        std::fprintf(stderr, "zeft-sender-bridge: %s\n", error.c_str());
        return 1;
    }
    g_bridge = &bridge;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::printf("%s\n", bridge.SlavePath().c_str());
    std::fflush(stdout);
    bridge.Run();
    g_bridge = nullptr;
    return 0;
}
#endif
