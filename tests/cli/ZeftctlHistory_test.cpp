// zeftctl's job history: what the device commands leave in it and what "history" shows.
#include "main/HistoryRecord.h"
#include "tests/cli/ZeftctlRunner.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include <sstream>
#include <sys/stat.h>
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

// What poppler reads back from a PDF; nothing when it is not installed.
std::optional<std::string> TextOfPdf(const std::filesystem::path& file) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        return std::nullopt;
    }
    const std::string command = "pdftotext -layout '" + file.string() + "' -";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    pclose(pipe);
    return text;
}

TEST(ZeftctlHistoryTest, JobLabelsFiltersCsvAndTheSheetOfARecord) {
    const TempFolder folder;
    const HistoryFile history(folder / "history.jsonl");
    const std::string boat = "Sea Breeze 42 / fresh water";
    setenv("ZEFT_INSTALLER", "J. Moreau", 1);
    const RunResult read = RunZeftctl({"read", "--port", kSender, "--label", boat});
    const RunResult program =
        RunZeftctl({"program", "--port", kSender, "--read-first", "--label", boat, "--level-b", "44"});
    unsetenv("ZEFT_INSTALLER");
    ASSERT_EQ(read.exitCode, 0) << read.err;
    ASSERT_EQ(program.exitCode, 0) << program.err;
    // A read that fails stops the program, and says so after the read's own message.
    const RunResult stopped = RunZeftctl(
        {"program", "--port", kSender + " (silent)", "--read-first", "--label", "Workshop", "--installer", "A. Li"});
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_NE(stopped.err.find("The sender could not be read before programming, so it was not programmed."),
              std::string::npos)
        << stopped.err;

    struct Row {
        std::vector<std::string> arguments;
        int exitCode;
        std::vector<std::string> operations; // in the order printed
    };
    const Row rows[] = {
        {{"--label", "BREEZE"}, 0, {"read", "read", "program"}},
        {{"--label", "workshop"}, 0, {"read"}},
        {{"--label", "breeze", "--last", "1"}, 0, {"program"}},
        {{"--since", "2000-01-01", "--until", "2000-12-31"}, 0, {}},
        {{"--since", "2000-01-01"}, 0, {"read", "read", "program", "read"}},
        {{"--until", "yesterday"}, 2, {}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments{"history", "--csv"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const RunResult r = RunZeftctl(arguments);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        std::vector<std::string> operations;
        for (std::size_t at = r.out.find("\r\n"); at != std::string::npos && at + 2 < r.out.size();
             at = r.out.find("\r\n", at + 2)) {
            const std::string line = r.out.substr(at + 2, r.out.find("\r\n", at + 2) - at - 2);
            // Time (UTC), local time, operation.
            const std::size_t second = line.find(',', line.find(',') + 1);
            operations.push_back(line.substr(second + 1, line.find(',', second + 1) - second - 1));
        }
        EXPECT_EQ(operations, row.operations) << r.out;
    }
    const RunResult text = RunZeftctl({"history", "--label", "workshop"});
    EXPECT_NE(text.out.find("    job:      Workshop, by A. Li\n"), std::string::npos) << text.out;

    const std::filesystem::path sheet = folder / "sheet.pdf";
    const RunResult made = RunZeftctl({"sheet", "--out", sheet.string(), "--label", "breeze"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(RunZeftctl({"sheet", "--out", sheet.string(), "--label", "no such boat"}).exitCode, 1);
    const std::optional<std::string> pdf = TextOfPdf(sheet);
    if (!pdf) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the sheet was written but not read back";
    }
    for (const char* shown : {"Sea Breeze 42 / fresh water", "J. Moreau", "As Found", "As Left", "Installer: signature",
                              "Owner: signature", "read from the sender at "}) {
        EXPECT_NE(pdf->find(shown), std::string::npos) << shown << " in\n" << *pdf;
    }
    const std::size_t levelB = pdf->find("Level B = 40% of Tank Level");
    ASSERT_NE(levelB, std::string::npos) << *pdf;
    const std::string row = pdf->substr(levelB, pdf->find('\n', levelB) - levelB);
    EXPECT_NE(row.find("40 %"), std::string::npos) << row;
    EXPECT_NE(row.find("44 %"), std::string::npos) << row;
    EXPECT_EQ(pdf->find("not read before programming"), std::string::npos) << *pdf;
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
    EXPECT_EQ(records[1]["outcome"], "The device did not keep these settings: Level A (sent 33, read 20).");
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

// A folder or a pipe named as the history is refused at once, never waited on.
TEST(ZeftctlHistoryTest, HistoryReadsOnlyARegularFile) {
    const TempFolder folder;
    std::filesystem::create_directory(folder / "a folder");
    ASSERT_EQ(mkfifo((folder / "a pipe").c_str(), 0600), 0);
    const std::pair<const char*, const char*> rows[] = {
        {"a folder", "cannot be read: It is a folder.\n"},
        {"a pipe", "cannot be read: It is not a regular file.\n"},
    };
    for (const auto& [name, error] : rows) {
        const HistoryFile history(folder / name);
        const RunResult r = RunZeftctl({"history"}, {}, {}, std::chrono::seconds(10));
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
    }
}

// What a record stores reaches the terminal escaped, in the text and in the JSON.
TEST(ZeftctlHistoryTest, HistoryEscapesStoredControlCharacters) {
    const TempFolder folder;
    HistoryRecord record;
    record.time = "2026-01-01T08:00:00.000Z";
    record.port = "COM3\x1b]0;retitled\x07";
    record.outcome = "\x1b[2J\x1b[Hcleared\nsuccess";
    record.settings = RecordedSettings{0,
                                       0,
                                       {"10", "2000",
                                        "\xc2\x9b"
                                        "2J",
                                        "40", "60", "\x7f"}};
    record.source = "zeftctl";
    const HistoryFile history(folder.Write("history.jsonl", HistoryRecordJson(record) + "\n"));
    const RunResult text = RunZeftctl({"history"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.find_first_of("\x1b\x07\x7f"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("\xc2\x9b"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("COM3\\x1b]0;retitled\\x07  \\x1b[2J\\x1b[Hcleared\\x0asuccess\n"), std::string::npos)
        << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 2) << "the record's line and its settings";

    const RunResult json = RunZeftctl({"history", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out.find_first_of("\x1b\x07\x7f"), std::string::npos) << json.out;
    EXPECT_EQ(json.out.find("\xc2\x9b"), std::string::npos) << json.out;
    const nlohmann::json read = nlohmann::json::parse(json.out).at("records").at(0);
    EXPECT_EQ(read["port"], record.port);
    EXPECT_EQ(read["settings"]["Level A"], record.settings->edits[2]);
    EXPECT_EQ(read["settings"]["Level D"], record.settings->edits[5]);
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
