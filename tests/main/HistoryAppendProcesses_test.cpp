// Appends to one history from several processes at once, and from one that is killed
// while it writes.
#include "main/HistoryFile.h"
#include "main/HistoryReader.h"
#include "main/HistoryRecord.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zeft::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A record as long as a real one, numbered in its level A.
std::string NumberedLine(const std::string& writer, int number) {
    HistoryRecord record;
    record.time = UtcTimeNow();
    record.operation = DeviceOperation::Program;
    record.port = writer;
    record.outcome = std::string(kHistorySuccess);
    record.sent = RecordedSettings{1, 2, {"25", "800", std::to_string(number), "15", "33", "59"}};
    record.settings = record.sent;
    record.source = "zeftctl";
    return HistoryRecordJson(record);
}

// Appends count records (forever when count is 0) in a child process.
pid_t StartWriter(const fs::path& file, const std::string& writer, int count) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (int n = 0; count == 0 || n < count; ++n) {
            if (AppendHistoryLine(file, NumberedLine(writer, n))) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    return pid;
}

int ExitCode(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HistoryAppendProcessesTest, TwoProgramsAppendingAtOnceLoseNothing) {
    const TempFolder folder;
    const fs::path file = folder / "history.jsonl";
    const pid_t first = StartWriter(file, "first", 1000);
    const pid_t second = StartWriter(file, "second", 1000);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(ExitCode(first), 0);
    EXPECT_EQ(ExitCode(second), 0);

    const HistoryListing listing = ReadHistory(file);
    EXPECT_EQ(listing.skipped, 0u);
    ASSERT_EQ(listing.records.size(), 2000u);
    for (const char* writer : {"first", "second"}) {
        std::vector<int> numbers;
        for (const HistoryRecord& record : listing.records) {
            if (record.port == writer) {
                numbers.push_back(std::stoi(record.sent->edits[2]));
            }
        }
        ASSERT_EQ(numbers.size(), 1000u) << writer;
        // Each writer's records in the order it wrote them.
        for (int n = 0; n < 1000; ++n) {
            EXPECT_EQ(numbers[static_cast<std::size_t>(n)], n) << writer;
        }
    }
}

TEST(HistoryAppendProcessesTest, AKilledWriterLeavesOnlyWholeRecordsBehind) {
    const TempFolder folder;
    const fs::path file = folder / "history.jsonl";
    const pid_t writer = StartWriter(file, "killed", 0);
    ASSERT_GT(writer, 0);
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    const auto written = [&file] {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file, error);
        return error ? 0 : size;
    };
    while (written() < 200'000 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
    }
    ::kill(writer, SIGKILL);
    EXPECT_EQ(ExitCode(writer), -1);

    HistoryListing listing = ReadHistory(file);
    ASSERT_GT(listing.records.size(), 100u);
    EXPECT_LE(listing.skipped, 1u) << "at most the line it was writing";
    const std::size_t whole = listing.records.size();
    for (std::size_t n = 0; n < whole; ++n) {
        ASSERT_EQ(listing.records[n].sent->edits[2], std::to_string(n));
    }
    // The history goes on after it, whatever the writer left.
    ASSERT_EQ(AppendHistoryLine(file, NumberedLine("after", 0)), std::nullopt);
    listing = ReadHistory(file);
    EXPECT_EQ(listing.records.size(), whole + 1);
    EXPECT_EQ(listing.records.back().port, "after");
}

TEST(HistoryAppendProcessesTest, APipeNamedAsTheHistoryIsRefusedAtOnce) {
    const TempFolder folder;
    const fs::path fifo = folder / "history.jsonl";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Nobody reads the pipe: an open that waited for a reader would never return.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_NE(AppendHistoryLine(fifo, "{}"), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
}

} // namespace
} // namespace zeft::testing
