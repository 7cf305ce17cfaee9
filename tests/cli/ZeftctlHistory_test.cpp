// zeftctl's job history: what the device commands leave in it and what "history" shows.
#include "tests/cli/ZeftctlRunner.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace zeft::cli::testing {
namespace {

using zeft::testing::TempFolder;

const std::string kSender = "ZEFT Virtual Sender";

// ZEFT_HISTORY for the programs started while the object lives.
class HistoryFile {
public:
    explicit HistoryFile(const std::filesystem::path& file) {
        if (const char* old = std::getenv("ZEFT_HISTORY")) {
            old_ = old;
        }
        setenv("ZEFT_HISTORY", file.c_str(), 1);
    }
    ~HistoryFile() { old_ ? setenv("ZEFT_HISTORY", old_->c_str(), 1) : unsetenv("ZEFT_HISTORY"); }
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

private:
    std::optional<std::string> old_;
};

TEST(ZeftctlHistoryTest, ReadFirstLeavesTheAsFoundRecordBeforeTheProgram) {
    const TempFolder folder;
    const HistoryFile history(folder / "history.jsonl");
    const RunResult program = RunZeftctl({"program", "--port", kSender, "--read-first", "--level-a", "7"});
    ASSERT_EQ(program.exitCode, 0) << program.err;
    EXPECT_NE(program.out.find("Level A = 7\n"), std::string::npos) << "the settings asked for, not the ones read";
    ASSERT_EQ(RunZeftctl({"read", "--port", kSender + " (silent)"}).exitCode, 1);

    const RunResult json = RunZeftctl({"history", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const nlohmann::json records = nlohmann::json::parse(json.out).at("records");
    ASSERT_EQ(records.size(), 3u) << json.out;
    EXPECT_EQ(records[0]["operation"], "read");
    EXPECT_EQ(records[0]["settings"]["Level A"], "20");
    EXPECT_EQ(records[1]["operation"], "program");
    EXPECT_EQ(records[1]["sent"]["Level A"], "7");
    EXPECT_EQ(records[1]["source"], "zeftctl");
    EXPECT_EQ(records[2]["outcome"], "Fail to connect with the device!");
    EXPECT_TRUE(records[2]["settings"].is_null());

    struct Row {
        std::vector<std::string> arguments;
        std::size_t lines; // records and their settings lines
        const char* first;
    };
    const Row rows[] = {
        {{"history"}, 6, "read"},
        {{"history", "--last", "2"}, 4, "program"},
        {{"history", "--port", kSender}, 5, "read"},
        {{"history", "--port", kSender, "--last", "1"}, 3, "program"},
        {{"history", "--port", "COM9"}, 0, "read"},
    };
    for (const Row& row : rows) {
        const RunResult r = RunZeftctl(row.arguments);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n')), row.lines) << r.out;
        // The operation follows the time: "2026-12-07T20:47:52.904Z  read  ..."
        const std::string firstLine = r.out.substr(0, r.out.find('\n'));
        EXPECT_EQ(firstLine.find(std::string("Z  ") + row.first), row.lines ? 23u : std::string::npos) << r.out;
    }
}

// program --each on the virtual production line: a line a sender, a summary, and one record
// each with the label and the unit number; a forgetful second sender fails and the run
// goes on; any failure gives exit status 1.
TEST(ZeftctlHistoryTest, ProgramEachRecordsEverySenderOnceWithLabelAndUnit) {
    const TempFolder folder;
    const HistoryFile history(folder / "history.jsonl");
    const RunResult r = RunZeftctl({"program", "--each", "--count", "3", "--label", "hull 117", "--json", "--level-a",
                                    "33", "--port", "ZEFT Virtual Production Line (pace 1500, sender 2 forgetful)"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    std::vector<nlohmann::json> lines;
    std::istringstream out(r.out);
    for (std::string line; std::getline(out, line);) {
        lines.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(lines.size(), 4u) << r.out;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i]["unit"], i + 1);
        EXPECT_EQ(lines[i]["label"], "hull 117");
        EXPECT_EQ(lines[i]["passed"], i != 1);
    }
    EXPECT_EQ(lines[1]["failure"].get<std::string>().rfind("The device did not keep these settings: Level A", 0), 0u);
    EXPECT_EQ(lines[3]["programmed"], 2);
    EXPECT_EQ(lines[3]["failed"], 1);
    EXPECT_EQ(lines[3]["stopped"], false);

    const RunResult json = RunZeftctl({"history", "--json"});
    const nlohmann::json records = nlohmann::json::parse(json.out).at("records");
    ASSERT_EQ(records.size(), 3u) << json.out;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i]["label"], "hull 117");
        EXPECT_EQ(records[i]["unit"], i + 1);
        EXPECT_EQ(records[i]["sent"]["Level A"], "33");
    }
    EXPECT_EQ(records[1]["outcome"], "The device did not keep the settings sent.");
}

// Ctrl-C ends a run between senders with the summary and exit status 130.
TEST(ZeftctlHistoryTest, ProgramEachInterruptedGivesTheSummaryAnd130) {
    const TempFolder folder;
    const HistoryFile history(folder / "history.jsonl");
    const RunResult r = RunZeftctl({"program", "--each", "--port", "ZEFT Virtual Production Line (pace 1500)"}, "",
                                   "Sender 1 programmed and verified");
    EXPECT_EQ(r.exitCode, 130) << r.err;
    EXPECT_EQ(r.out.rfind("Sender 1 programmed and verified (", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nProgrammed 1, failed 0, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" (stopped)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Error: Interrupted"), std::string::npos) << r.err;
}

TEST(ZeftctlHistoryTest, HistorySaysWhatItSkipped) {
    const TempFolder folder;
    const std::string record =
        R"({"time":"2026-01-01T08:00:00.000Z","operation":"read","port":"COM3","outcome":"success"})";
    const HistoryFile history(folder.Write("history.jsonl", "not a record\n" + record + "\n" + record.substr(0, 30)));
    const RunResult r = RunZeftctl({"history", "--json"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(r.out).at("records").size(), 1u);
    EXPECT_NE(r.err.find("Skipped 2 lines"), std::string::npos) << r.err;
}

TEST(ZeftctlHistoryTest, AnUnwritableHistoryWarnsAndChangesNothingElse) {
    const TempFolder folder;
    const HistoryFile history(folder.Write("plain", "x") / "history.jsonl");
    const RunResult r = RunZeftctl({"read", "--port", kSender, "--json"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(r.out).at("error"), nullptr);
    EXPECT_NE(r.err.find("Warning: The job history could not be written. "), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

} // namespace
} // namespace zeft::cli::testing
