#pragma once

#include <cstdint>

namespace zeft {

// The values of ExchangeEngine::ExchangeState, named after what the engine waits for in
// each. The numbers are part of the engine's face: tests, fuzz corpora and reports use them.
inline constexpr std::uint8_t kAwaitPowerUpK = 0;       // "K" of the identification after power-up
inline constexpr std::uint8_t kAwaitPowerUpO = 1;       // its "O"
inline constexpr std::uint8_t kAwaitPowerUpV = 2;       // its "V"
inline constexpr std::uint8_t kAwaitPause = 3;          // the pause's end, then the reply's first character
inline constexpr std::uint8_t kAwaitListingK = 4;       // "K" of the identification that opens the listing
inline constexpr std::uint8_t kAwaitListingO = 5;       // its "O"
inline constexpr std::uint8_t kAwaitListingV = 6;       // its "V"
inline constexpr std::uint8_t kAwaitFields = 7;         // the fields of the settings listing
inline constexpr std::uint8_t kAwaitDoneD = 8;          // "D" of "Done", or "I" of a rejection
inline constexpr std::uint8_t kAwaitDoneO = 9;          // "o"
inline constexpr std::uint8_t kAwaitDoneN = 10;         // "n"
inline constexpr std::uint8_t kAwaitDoneE = 11;         // "e"
inline constexpr std::uint8_t kAwaitAfterDone = 12;     // any character after "Done"
inline constexpr std::uint8_t kAwaitSuccessTick = 13;   // the tick that reports success
inline constexpr std::uint8_t kAwaitRejectionN = 14;    // "n" of a rejection
inline constexpr std::uint8_t kAwaitRejectionTick = 15; // the tick that reports the rejection

} // namespace zeft
