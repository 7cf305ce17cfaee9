#pragma once

#include "seams/SettingsControls.h"

#include <cstdint>
#include <string>

namespace zeft {

// Which field of the settings listing is being looked for, skipped or collected.
enum class ListingField : std::uint8_t {
    OutputType,
    FluidType,
    TopLimit,
    BottomLimit,
    LevelA,
    LevelB,
    LevelC,
    LevelD,
    Complete
};

// Reads the sender's settings listing one character at a time and writes each field
// into the settings controls as it completes. The first five fields are found by a key
// letter ("O", "F", "T", "B", "L") and a label skipped by count; the value runs to the
// field's terminator. Levels B to D follow the previous level's comma and one further
// character. The parser keeps its place between calls, so the way the received bytes
// are split never matters.
class ListingParser {
public:
    // Starts over at the output-type key letter.
    void Start();

    // Feeds one received character; returns true when it completed the listing (level D's
    // comma). Characters fed after completion are ignored.
    bool Feed(char c, SettingsControls& controls);

    ListingField Field() const { return field_; }

private:
    enum class Phase : std::uint8_t { Seek, Skip, Collect };

    void StoreField(SettingsControls& controls);
    void Advance();

    ListingField field_ = ListingField::OutputType;
    Phase phase_ = Phase::Seek;
    std::int32_t skipCount_ = 0;
    std::string fieldText_;
};

} // namespace zeft
