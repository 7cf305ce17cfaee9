// The job history's file: its lines, the reader at the file's end, the append's refusals.
#include "main/HistoryFile.h"
#include "main/HistoryReader.h"
#include "main/HistoryRecord.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zeft::testing {
namespace {

namespace fs = std::filesystem;

HistoryRecord Record(const std::string& port, int number, DeviceOperation operation = DeviceOperation::Read) {
    HistoryRecord record;
    record.time = UtcTimeText(1'780'000'000'000 + number);
    record.operation = operation;
    record.port = port;
    record.outcome = std::string(kHistorySuccess);
    record.settings = RecordedSettings{4, 2, {"10", "1500", std::to_string(number), "40", "60", "80"}};
    record.source = "zeftctl";
    record.version = "1.0";
    return record;
}

std::string Line(const HistoryRecord& record) {
    return HistoryRecordJson(record) + "\n";
}

TEST(HistoryRecordTest, LinesThatAreNotWholeRecordsAreSkipped) {
    const std::string whole = HistoryRecordJson(Record("/dev/ttyUSB0", 1));
    struct Row {
        const char* what;
        std::string line;
        bool read;
    };
    const Row rows[] = {
        {"a whole record", whole, true},
        {"cut short", whole.substr(0, whole.size() / 2), false},
        {"cut before its closing brace", whole.substr(0, whole.size() - 1), false},
        {"foreign JSON", R"({"event":"login","user":"x"})", false},
        {"an operation of no known kind", R"({"time":"t","operation":"erase","port":"p","outcome":"success"})", false},
        {"a code that is text",
         R"({"time":"t","operation":"read","port":"p","outcome":"success","settings":{"Output Type":"1"}})", false},
        {"settings without a limit",
         R"({"time":"t","operation":"read","port":"p","outcome":"success","settings":{"Output Type":1,"Fluid Type":0}})",
         false},
        {"not JSON", "Output Type = 1", false},
        {"bytes of a binary file", std::string("\x00\xff{\"\x01", 5), false},
        {"the least a reader needs", R"({"time":"t","operation":"restore","port":"p","outcome":"success"})", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HistoryRecordFromJson(row.line).has_value(), row.read) << row.what;
    }
}

TEST(HistoryRecordTest, ARecordComesBackAsItWasWritten) {
    HistoryRecord record = Record("COM3", 7, DeviceOperation::Program);
    record.adapter = "by-id:usb-FTDI_FT232R_A10K-if00-port0";
    record.sent = RecordedSettings{std::nullopt, 3, {"25", "800", "4", "15", "33", "59"}};
    record.settings.reset();
    record.outcome = "Fail to program the device!";
    record.label = "Sea Breeze 42 / fresh water";
    record.installer = "J. Moreau";
    record.asFound = RecordedSettings{0, 0, {"10", "2000", "20", "40", "60", "80"}};
    record.asFoundTime = "2026-05-28T20:20:00.000Z";
    const std::optional<HistoryRecord> back = HistoryRecordFromJson(HistoryRecordJson(record));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->time, "2026-05-28T20:26:40.007Z");
    EXPECT_EQ(back->operation, DeviceOperation::Program);
    EXPECT_EQ(back->adapter, record.adapter);
    EXPECT_EQ(back->outcome, record.outcome);
    EXPECT_EQ(back->sent, record.sent);
    EXPECT_FALSE(back->settings);
    EXPECT_EQ(back->label, record.label);
    EXPECT_EQ(back->installer, record.installer);
    EXPECT_EQ(back->asFound, record.asFound);
    EXPECT_EQ(back->asFoundTime, record.asFoundTime);
    // A record without a job leaves the keys out, as older records are.
    const std::string plain = HistoryRecordJson(Record("COM3", 1));
    EXPECT_EQ(plain.find("\"label\""), std::string::npos) << plain;
    EXPECT_EQ(plain.find("\"asFound\""), std::string::npos) << plain;

    // A sender's noise in an edit cannot break the line.
    record.sent->edits[0] = "1\xff";
    const std::string line = HistoryRecordJson(record);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    ASSERT_TRUE(HistoryRecordFromJson(line));
}

TEST(HistoryReaderTest, TheLastRecordsOfAPortAcrossManyChunks) {
    const TempFolder folder;
    std::string bytes;
    std::vector<int> second;
    // Some 700 kB: the reader's chunks end inside lines many times over.
    for (int n = 0; n < 3000; ++n) {
        const bool onSecond = n % 97 == 0;
        bytes += Line(Record(onSecond ? "/dev/ttyUSB1" : "/dev/ttyUSB0", n));
        if (onSecond) {
            second.push_back(n);
        }
    }
    const fs::path file = folder.Write("history.jsonl", bytes);

    const HistoryListing all = ReadHistory(file);
    ASSERT_EQ(all.records.size(), 3000u);
    EXPECT_EQ(all.skipped, 0u);
    EXPECT_EQ(all.records.front().settings->edits[2], "0");
    EXPECT_EQ(all.records.back().settings->edits[2], "2999");

    const HistoryListing last = ReadHistory(file, {"/dev/ttyUSB1", 5});
    ASSERT_EQ(last.records.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(last.records[i].settings->edits[2], std::to_string(second[second.size() - 5 + i]));
    }
    EXPECT_EQ(ReadHistory(file, {"/dev/ttyUSB1", 1000}).records.size(), second.size());
    EXPECT_TRUE(ReadHistory(file, {"COM9", std::nullopt}).records.empty());
    EXPECT_TRUE(ReadHistory(folder / "none.jsonl").records.empty());
    EXPECT_FALSE(ReadHistory(folder / "none.jsonl").error);
}

TEST(HistoryReaderTest, ATornLastLineIsSkippedAndTheNextAppendIsWhole) {
    const TempFolder folder;
    const std::string torn = HistoryRecordJson(Record("p", 3)).substr(0, 40);
    const fs::path file = folder.Write("history.jsonl", Line(Record("p", 1)) + Line(Record("p", 2)) + torn);

    HistoryListing listing = ReadHistory(file);
    EXPECT_EQ(listing.records.size(), 2u);
    EXPECT_EQ(listing.skipped, 1u);
    listing = ReadHistory(file, {std::nullopt, 1});
    ASSERT_EQ(listing.records.size(), 1u);
    EXPECT_EQ(listing.records[0].settings->edits[2], "2");
    EXPECT_EQ(listing.skipped, 1u);

    // The next record starts a line of its own; the torn one stays as it was.
    ASSERT_EQ(AppendHistoryLine(file, HistoryRecordJson(Record("p", 4))), std::nullopt);
    listing = ReadHistory(file);
    ASSERT_EQ(listing.records.size(), 3u);
    EXPECT_EQ(listing.records[2].settings->edits[2], "4");
    EXPECT_EQ(listing.skipped, 1u);
    EXPECT_NE(TempFolder::Read(file).find(torn + "\n"), std::string::npos);
}

// Only a regular file is read, never waited on; a line far longer than any record (a
// crash's tail of NUL bytes) is skipped as one, read once and never held whole.
TEST(HistoryReaderTest, RefusesWhatIsNoRegularFileAndSkipsOverlongLines) {
    const TempFolder folder;
    fs::create_directory(folder / "a folder");
    const std::string overlong(kLongestHistoryLine + 1, '\0');
    const std::string padded = HistoryRecordJson(Record("p", 3)) + std::string(kLongestHistoryLine, ' ');
    const fs::path file = folder.Write("history.jsonl", Line(Record("p", 1)) + overlong + "\n" + Line(Record("p", 2)) +
                                                            padded + "\n" + Line(Record("p", 4)) + overlong + overlong);
    struct Row {
        const char* what;
        fs::path file;
        std::optional<std::size_t> last;
        std::string error;
        std::vector<std::string> levels; // Level A of each record read
        std::size_t skipped;
    };
    std::vector<Row> rows = {
        {"a folder", folder / "a folder", std::nullopt, "It is a folder.", {}, 0},
        {"a folder, its end", folder / "a folder", 5, "It is a folder.", {}, 0},
        {"overlong lines", file, std::nullopt, "", {"1", "2", "4"}, 3},
        {"overlong lines, the last two", file, 2, "", {"2", "4"}, 2},
        {"overlong lines, all from the end", file, 10, "", {"1", "2", "4"}, 3},
    };
#ifndef _WIN32
    const fs::path fifo = folder / "a pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A writer holds the pipe, so that a reader that opens it anyway finds no end to wait for.
    const int writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    rows.push_back({"a pipe", fifo, std::nullopt, "It is not a regular file.", {}, 0});
    rows.push_back({"a pipe, its end", fifo, 5, "It is not a regular file.", {}, 0});
#endif
    for (const Row& row : rows) {
        const HistoryListing listing = ReadHistory(row.file, {std::nullopt, row.last});
        EXPECT_EQ(listing.error.value_or(""), row.error) << row.what;
        std::vector<std::string> levels;
        for (const HistoryRecord& record : listing.records) {
            levels.push_back(record.settings->edits[2]);
        }
        EXPECT_EQ(levels, row.levels) << row.what;
        EXPECT_EQ(listing.skipped, row.skipped) << row.what;
    }
#ifndef _WIN32
    close(writer);
#endif
}

TEST(HistoryFileTest, AppendMakesTheFolderAndKeepsOldLines) {
    const TempFolder folder;
    const fs::path file = folder / "workshop" / "zeft" / "history.jsonl";
    ASSERT_EQ(AppendHistoryLine(file, HistoryRecordJson(Record("p", 1))), std::nullopt);
    const std::string first = TempFolder::Read(file);
    ASSERT_EQ(AppendHistoryLine(file, HistoryRecordJson(Record("p", 2))), std::nullopt);
    const std::string both = TempFolder::Read(file);
    EXPECT_EQ(both.rfind(first, 0), 0u);
    EXPECT_EQ(ReadHistory(file).records.size(), 2u);
}

TEST(HistoryFileTest, AppendRefusesWhatIsNoFileOfItsOwn) {
    const TempFolder folder;
    const fs::path plain = folder.Write("plain.txt", "not a folder");
    fs::create_directory(folder / "a folder");
    const std::pair<const char*, fs::path> rows[] = {
        {"a path under a regular file", plain / "history.jsonl"},
        {"a folder", folder / "a folder"},
        {"no name at all", fs::path()},
    };
    for (const auto& [what, file] : rows) {
        EXPECT_NE(AppendHistoryLine(file, "{}"), std::nullopt) << what;
    }
    EXPECT_EQ(TempFolder::Read(plain), "not a folder");
}

} // namespace
} // namespace zeft::testing
