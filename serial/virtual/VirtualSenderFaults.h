#pragma once

namespace zeft {

// Ways the virtual sender misbehaves, for tests and demonstrations.
struct VirtualSenderFaults {
    bool silent = false;        // never says anything
    bool oldFirmware = false;   // answers every set command with "Invalid command"
    bool forgetful = false;     // acknowledges every set command and keeps its old values
    bool firstReplyD = false;   // replies start with their word ("Done", "KOV"), nothing before
    bool doubledK = false;      // identifies itself as "KKOV"
    bool noise = false;         // junk between the fields of the listing
    bool splitBursts = false;   // the listing in small bursts with pauses under 150 ms
    int stopAfterCommands = -1; // answers only this many commands, then stays quiet (-1: never)
    int replyDelayMs = 0;       // extra time before every reply (a slow sender)
    bool noRts = false;         // on a line without RTS: always powered, RTS and DTR refused
};

} // namespace zeft
