#include "main/LocalTime.h"

#include <charconv>
#include <cstdio>

namespace zeft {
namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// The digits at text[at, at + count) as a number; false when they are not all digits.
bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    if (at + count > text.size()) {
        return false;
    }
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    std::from_chars(text.data() + at, text.data() + at + count, value);
    return true;
}

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

std::optional<Date> DateAt(std::string_view text) {
    Date date;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, date.year) ||
        !Digits(text, 5, 2, date.month) || !Digits(text, 8, 2, date.day) || date.month < 1 || date.month > 12 ||
        date.day < 1 || date.day > 31) {
        return std::nullopt;
    }
    return date;
}

} // namespace

std::tm LocalTm(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    return local;
}

std::optional<std::int64_t> SecondsFromRecordTime(std::string_view text) {
    const std::optional<Date> date = DateAt(text);
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!date || text.size() < 20 || text[10] != 'T' || text[13] != ':' || text[16] != ':' || text.back() != 'Z' ||
        !Digits(text, 11, 2, hour) || !Digits(text, 14, 2, minute) || !Digits(text, 17, 2, second) || hour > 23 ||
        minute > 59 || second > 60) {
        return std::nullopt;
    }
    return DaysFromCivil(date->year, static_cast<unsigned>(date->month), static_cast<unsigned>(date->day)) * 86400 +
           hour * 3600 + minute * 60 + second;
}

std::string LocalTimeWithZone(std::int64_t secondsSinceEpoch, bool withSeconds) {
    const std::tm local = LocalTm(static_cast<std::time_t>(secondsSinceEpoch));
    // The offset is what the local fields read as UTC differ from the moment itself.
    const std::int64_t asUtc = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                             static_cast<unsigned>(local.tm_mday)) *
                                   86400 +
                               local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    const std::int64_t offsetMinutes = (asUtc - secondsSinceEpoch) / 60;
    const std::int64_t magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour, local.tm_min);
    std::string result = text;
    if (withSeconds) {
        std::snprintf(text, sizeof text, ":%02d", local.tm_sec);
        result += text;
    }
    std::snprintf(text, sizeof text, " UTC%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', static_cast<int>(magnitude / 60),
                  static_cast<int>(magnitude % 60));
    return result + text;
}

std::string LocalRecordTime(const std::string& recordTime) {
    const std::optional<std::int64_t> seconds = SecondsFromRecordTime(recordTime);
    return seconds ? LocalTimeWithZone(*seconds) : recordTime;
}

std::optional<std::int64_t> LocalDayStart(std::string_view date, int daysLater) {
    const std::optional<Date> day = DateAt(date);
    if (!day || date.size() != 10) {
        return std::nullopt;
    }
    std::tm local{};
    local.tm_year = day->year - 1900;
    local.tm_mon = day->month - 1;
    local.tm_mday = day->day;
    local.tm_isdst = -1;
    std::tm check = local;
    // mktime moves 2026-02-31 on to March: no such day.
    if (std::mktime(&check) == static_cast<std::time_t>(-1) || check.tm_mday != day->day) {
        return std::nullopt;
    }
    local.tm_mday += daysLater;
    const std::time_t start = std::mktime(&local);
    if (start == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(start);
}

} // namespace zeft
