#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// Seconds since 1970 of a record's UTC time ("2026-05-01T09:30:12.345Z"); none for a text
// of another form.
std::optional<std::int64_t> SecondsFromRecordTime(std::string_view text);

// Local date and time with the zone's offset, as an owner reads it anywhere:
// "2026-05-01 11:30:12 UTC+02:00" (without the seconds: "2026-05-01 11:30 UTC+02:00").
// The calendar fields of that moment in the local zone.
std::tm LocalTm(std::time_t when);

std::string LocalTimeWithZone(std::int64_t secondsSinceEpoch, bool withSeconds = true);

// A record's time so, or the text as it is when it is not a record's time.
std::string LocalRecordTime(const std::string& recordTime);

// The first second of a local day given as "YYYY-MM-DD", or of the day so many days later
// (the day's own length, whatever a change of clock makes it); none for any other text.
std::optional<std::int64_t> LocalDayStart(std::string_view date, int daysLater = 0);

} // namespace zeft
