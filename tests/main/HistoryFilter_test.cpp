// Which records a history filter keeps, the CSV they export to, the local times and days
// it works with, and the as-found backup's name.
#include "main/AsFoundBackup.h"
#include "main/HistoryFilter.h"
#include "main/LocalTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zeft::testing {
namespace {

HistoryRecord Record(const char* time, DeviceOperation operation, const char* port, const char* label,
                     const char* outcome = "success") {
    HistoryRecord record;
    record.time = time;
    record.operation = operation;
    record.port = port;
    record.label = label;
    record.outcome = outcome;
    return record;
}

void SetZone(const char* zone) {
#ifdef _WIN32
    _putenv_s("TZ", zone);
    _tzset();
#else
    zone[0] == '\0' ? unsetenv("TZ") : setenv("TZ", zone, 1);
    tzset();
#endif
}

// The tests' days are UTC days.
class UtcZone {
public:
    UtcZone() {
        if (const char* old = std::getenv("TZ")) {
            old_ = old;
        }
        SetZone("UTC");
    }
    ~UtcZone() { SetZone(old_.value_or("").c_str()); }

private:
    std::optional<std::string> old_;
};

TEST(HistoryFilterTest, KeepsTheRecordsThatMatchEveryField) {
    const UtcZone zone;
    const std::vector<HistoryRecord> records{
        Record("2026-05-01T09:00:00.000Z", DeviceOperation::Read, "COM3", "Sea Breeze 42 / fresh water"),
        Record("2026-05-01T09:05:00.000Z", DeviceOperation::Program, "COM3", "Sea Breeze 42 / waste"),
        Record("2026-05-02T23:59:59.999Z", DeviceOperation::Program, "COM4", "Workshop bench",
               "Fail to program the device!"),
        Record("2026-05-03T00:00:00.000Z", DeviceOperation::Restore, "COM4", ""),
        Record("not a time", DeviceOperation::Read, "COM4", "sea breeze 42"),
    };
    struct Row {
        const char* what;
        HistoryFilter filter;
        const char* since;
        const char* until;
        std::vector<std::size_t> kept;
    };
    const auto with = [](auto set) {
        HistoryFilter filter;
        set(filter);
        return filter;
    };
    const Row rows[] = {
        {"nothing asked", {}, "", "", {0, 1, 2, 3, 4}},
        {"a part of the label, any case", with([](HistoryFilter& f) { f.label = "SEA BREEZE"; }), "", "", {0, 1, 4}},
        {"the port", with([](HistoryFilter& f) { f.port = "COM4"; }), "", "", {2, 3, 4}},
        {"the operation", with([](HistoryFilter& f) { f.operation = DeviceOperation::Program; }), "", "", {1, 2}},
        {"the failures", with([](HistoryFilter& f) { f.outcome = HistoryOutcomeFilter::Failure; }), "", "", {2}},
        {"the successes of a label",
         with([](HistoryFilter& f) {
             f.label = "breeze";
             f.outcome = HistoryOutcomeFilter::Success;
         }),
         "",
         "",
         {0, 1, 4}},
        {"from a day on", {}, "2026-05-02", "", {2, 3}},
        {"up to the end of a day", {}, "", "2026-05-02", {0, 1, 2}},
        {"one day", {}, "2026-05-02", "2026-05-02", {2}},
    };
    for (const Row& row : rows) {
        HistoryFilter filter = row.filter;
        ASSERT_FALSE(SetHistoryDays(filter, row.since, row.until)) << row.what;
        std::vector<std::size_t> kept;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (filter.Matches(records[i])) {
                kept.push_back(i);
            }
        }
        EXPECT_EQ(kept, row.kept) << row.what;
    }
    HistoryFilter filter;
    for (const char* day : {"2026-5-1", "2026-02-30", "yesterday", "2026-05-01T00"}) {
        EXPECT_TRUE(SetHistoryDays(filter, day, "")) << day;
    }
}

TEST(HistoryFilterTest, CsvQuotesWhatWouldBreakItAndDisarmsFormulas) {
    const UtcZone zone;
    HistoryRecord record = Record("2026-05-01T09:00:00.000Z", DeviceOperation::Program, "COM3", "=HYPERLINK(\"x\")");
    record.installer = "Moreau, J.";
    record.settings = RecordedSettings{0, 2, {"10", "2000", "20", "44", "60", "-5"}};
    const std::string csv = HistoryCsv({record});
    const std::string line = csv.substr(csv.find("\r\n") + 2);
    EXPECT_EQ(line.rfind("2026-05-01T09:00:00.000Z,2026-05-01 09:00:00 UTC+00:00,program,COM3,,success,"
                         "\"'=HYPERLINK(\"\"x\"\")\",\"Moreau, J.\",,,",
                         0),
              0u)
        << csv;
    EXPECT_NE(line.find(",0,2,10,2000,20,44,60,-5,"), std::string::npos) << "a number keeps its sign: " << line;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2);
}

TEST(LocalTimeTest, RecordTimesAndLocalDays) {
    const UtcZone zone;
    EXPECT_EQ(SecondsFromRecordTime("1970-01-02T00:00:01.500Z"), 86401);
    EXPECT_EQ(SecondsFromRecordTime("2026-05-01T09:30:12.345Z"), 1777627812);
    for (const char* text : {"2026-05-01 09:30:12Z", "2026-05-01T09:30:12", "2026-13-01T09:30:12Z", ""}) {
        EXPECT_FALSE(SecondsFromRecordTime(text)) << text;
    }
    EXPECT_EQ(LocalRecordTime("2026-05-01T09:30:12.345Z"), "2026-05-01 09:30:12 UTC+00:00");
    EXPECT_EQ(LocalRecordTime("torn"), "torn");
    EXPECT_EQ(LocalDayStart("2026-05-01"), 1777593600);
    EXPECT_EQ(LocalDayStart("2026-12-31", 1), LocalDayStart("2027-01-01"));
#ifndef _WIN32 // the C runtime of Windows knows no rules for the change of clock
    SetZone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(LocalRecordTime("2026-05-01T09:30:12.345Z"), "2026-05-01 11:30:12 UTC+02:00");
    EXPECT_EQ(LocalTimeWithZone(1796650200, false), "2026-12-07 14:30 UTC+01:00");
    // The day the clocks go forward has 23 hours.
    EXPECT_EQ(*LocalDayStart("2026-03-29", 1) - *LocalDayStart("2026-03-29"), 23 * 3600);
#endif
}

TEST(AsFoundBackupTest, ANameFromTheTimeAndAnyLabel) {
    struct Row {
        const char* label;
        std::string name;
    };
    const Row rows[] = {
        {"Sea Breeze 42 / fresh water", "2026-05-01T09-30-12Z Sea Breeze 42 _ fresh water.zcf"},
        {"", "2026-05-01T09-30-12Z.zcf"},
        {"a:b*c?\"d\"<e>|f\\g\n", "2026-05-01T09-30-12Z a_b_c__d__e__f_g_.zcf"},
        {"ends with dots...", "2026-05-01T09-30-12Z ends with dots.zcf"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AsFoundBackupName("2026-05-01T09:30:12.345Z", row.label), row.name) << row.label;
    }
    // A long label is cut between characters, never inside one.
    const std::string name = AsFoundBackupName("2026-05-01T09:30:12.345Z", std::string(59, 'x') + "\xC3\xA9" + "yyy");
    EXPECT_EQ(name, "2026-05-01T09-30-12Z " + std::string(59, 'x') + ".zcf");
}

} // namespace
} // namespace zeft::testing
