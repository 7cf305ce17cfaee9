#pragma once

#include "main/AsFoundAsLeft.h"
#include "seams/LevelSource.h"
#include "seams/SettingsControls.h"
#include "seams/TextTranslation.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeft {

// The serial port as the main window holds it.
struct SetupSheetPort {
    std::string name;
    bool open = false;
    std::uint32_t baudRate = 0;
    int dataBits = 8;
    std::uint8_t parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t stopBits = 0; // 0 one, 1 one and a half, 2 two
    std::string adapter;       // the adapter's identity; empty when unknown
};

// What the work was for and who did it.
struct SetupSheetJob {
    std::string label;
    std::string installer;
};

struct SetupSheetRow {
    std::string name;
    std::string value;
};

struct SetupSheetSection {
    std::string title;
    std::vector<SetupSheetRow> rows;
};

// A setting before and after the sender was programmed.
struct SetupSheetChange {
    std::string name;
    std::string asFound;
    std::string asLeft;
    bool changed = false;
};

// The sender settings of a sender programmed in this run, in two columns.
struct SetupSheetChanges {
    std::string title;
    std::array<std::string, 2> columns;
    std::vector<SetupSheetChange> rows;
    std::string note; // under the rows
};

// What a changed row is marked with.
inline constexpr std::string_view kSheetChangedMark = ZEFT_TEXT("SetupSheet", "changed");

// What the setup sheet says, in reading order: the title and date, the port, the eight
// settings, the sender's reply (one entry per printed line, in a monospace font), and
// where the levels came from with the shape's picture when there is one.
struct SetupSheetContent {
    std::string title;
    std::string dateTime;
    // The job label and the installer, above the sections.
    SetupSheetSection job;
    std::vector<SetupSheetSection> sections;
    // In place of the settings section when the sender was programmed in this run.
    std::optional<SetupSheetChanges> programmed;
    std::string replyTitle;
    std::vector<std::string> replyLines;
    std::optional<SetupSheetSection> levelSource;
    // Relative picture name for the picture finder; empty for none.
    std::string picture;
    // Who signs at the foot of the sheet, one line each.
    std::vector<std::string> signatures;
};

// What an As Found cell says when no read of this run stands for what the sender held.
inline constexpr std::string_view kNotReadBeforeProgramming = ZEFT_TEXT("SetupSheet", "not read before programming");

// Printed lines of the reply display, at most this many characters each.
inline constexpr std::size_t kSheetReplyColumns = 80;
// The reply keeps the sheet to two pages; the rest is counted, not printed.
inline constexpr std::size_t kSheetReplyMaxLines = 60;

// The sheet for the window's state. source: what the last calculator hand-over of this run
// computed; it is on the sheet only while the main window still holds the levels and the
// bottom limit it handed over. programmed: the sender was programmed in this run; the
// settings are then shown as found before the program and as left after it.
SetupSheetContent BuildSetupSheet(const SettingsControls& controls, const SetupSheetPort& port,
                                  const std::string& dateTime, const std::optional<LevelSource>& source,
                                  const std::optional<AsFoundAsLeft>& programmed = std::nullopt,
                                  const SetupSheetJob& job = {});

// The sheet of one history record that holds settings, as it would have been made at the
// time: a program's as-found and as-left, any other record's settings; no reply and no
// level source, which records do not keep. Nothing for a record without settings.
std::optional<SetupSheetContent> BuildRecordSheet(const HistoryRecord& record);

// True when the main window's levels and bottom limit are those the calculator handed over.
bool LevelsFromSource(const SettingsControls& controls, const LevelSource& source);

// The reply as printed lines: CR, LF and CR LF end lines, long lines are wrapped, and
// bytes that have no printed form are written as <hex>, so nothing is lost or hidden.
std::vector<std::string> ReplyLines(std::string_view reply, std::size_t columns = kSheetReplyColumns,
                                    std::size_t maxLines = kSheetReplyMaxLines);

// Local date and time as "2026-12-07 15:30".
std::string LocalDateTimeText(std::time_t when);

} // namespace zeft
