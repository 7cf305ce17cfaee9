// Every operation run through the device session leaves its record, with the real serial
// component and the virtual sender; a history that cannot be written changes nothing else.
#include "main/AsFoundAsLeft.h"
#include "main/AsFoundBackup.h"
#include "main/ConfigFile.h"
#include "main/DeviceSession.h"
#include "main/HistoryReader.h"
#include "main/PlainOperationButtons.h"
#include "main/PlainSettingsControls.h"
#include "seams/TextTranslation.h"
#include "serial/CoreMainLoop.h"
#include "serial/SerialLink.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace zeft::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Warning {
    std::string text;
    std::string detail;
};

class Session {
public:
    Session(const fs::path& history, VirtualSenderFaults faults = {}) {
        session.RecordInto(history, "window", [this](const std::string& text, const std::string& detail) {
            warnings.push_back({text, detail});
        });
        link.SetDeviceCreator(
            [faults, this](const std::string&) { return std::make_unique<VirtualSerialDevice>(faults, unit); });
        link.SetCommPort(std::string(kVirtualSenderPortName));
        EXPECT_TRUE(session.Open());
    }

    bool Run(DeviceOperation operation) {
        session.Start(operation);
        EXPECT_TRUE(loop.RunUntil([this] { return !session.Engine().Running(); }, 15s));
        return session.Engine().Succeeded();
    }

    HandOverQueue queue;
    CoreMainLoop loop{queue};
    CoreLoopTimer timer{loop};
    PlainSettingsControls controls;
    PlainOperationButtons buttons;
    ScriptedPrompts prompts;
    std::shared_ptr<VirtualSenderUnit> unit = std::make_shared<VirtualSenderUnit>();
    std::vector<Warning> warnings;
    TSerialLink link{queue};
    DeviceSession session{link, controls, buttons, prompts, timer};
};

TEST(HistoryHookTest, ReadProgramAndRestoreEachLeaveTheirRecord) {
    const TempFolder folder;
    const fs::path history = folder / "history.jsonl";
    Session s(history);
    *s.unit->settings = {"1", "2", "10", "900", "5", "25", "50", "75"};
    ASSERT_TRUE(s.Run(DeviceOperation::Read));
    s.controls.settings.edits = {"10", "1500", "20", "40", "60", "80"};
    ASSERT_TRUE(s.Run(DeviceOperation::Program));
    ASSERT_TRUE(s.Run(DeviceOperation::Restore));
    EXPECT_TRUE(s.warnings.empty());

    const HistoryListing listing = ReadHistory(history);
    ASSERT_EQ(listing.records.size(), 3u);
    const HistoryRecord& read = listing.records[0];
    const HistoryRecord& program = listing.records[1];
    const HistoryRecord& restore = listing.records[2];
    EXPECT_EQ(read.operation, DeviceOperation::Read);
    EXPECT_EQ(read.port, kVirtualSenderPortName);
    EXPECT_EQ(read.outcome, "success");
    EXPECT_EQ(read.source, "window");
    EXPECT_FALSE(read.sent);
    EXPECT_EQ(read.settings, (RecordedSettings{1, 2, {"10", "900", "5", "25", "50", "75"}}));

    EXPECT_EQ(program.operation, DeviceOperation::Program);
    const RecordedSettings programmed{1, 2, {"10", "1500", "20", "40", "60", "80"}};
    EXPECT_EQ(program.sent, programmed);
    EXPECT_EQ(program.settings, programmed) << "the read-back";
    EXPECT_LT(read.time, program.time);

    EXPECT_EQ(restore.operation, DeviceOperation::Restore);
    EXPECT_EQ(restore.settings, (RecordedSettings{0, 0, {"10", "2000", "20", "40", "60", "80"}}));
    EXPECT_EQ(s.session.Records().size(), 3u);

    // What the sheet shows: before the program, and its read-back.
    const std::optional<AsFoundAsLeft> sheet =
        FindAsFoundAsLeft(s.session.Records(), std::string(kVirtualSenderPortName));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->asFound, read.settings);
    EXPECT_EQ(sheet->asLeft, programmed);
}

// A read with the controls' settings kept aside is recorded as the read it is; whoever
// hears of its end finds the controls holding their own settings again and on. Refused
// (the port closed), it is told nothing and leaves the controls on.
TEST(HistoryHookTest, AReadAsideIsRecordedAsReadAndGivesTheControlsBack) {
    struct Case {
        const char* name;
        bool portClosed;
    };
    for (const Case& c : {Case{"answered", false}, Case{"port closed", true}}) {
        const TempFolder folder;
        const fs::path history = folder / "history.jsonl";
        Session s(history);
        const RecordedSettings sender{1, 2, {"10", "900", "5", "25", "50", "75"}};
        *s.unit->settings = {"1", "2", "10", "900", "5", "25", "50", "75"};
        s.controls.settings.edits = {"10", "1500", "20", "40", "60", "80"};
        const RecordedSettings held = SettingsFromControls(s.controls);
        if (c.portClosed) {
            s.session.Close("closed by the test");
        }
        std::optional<RecordedSettings> reported;
        bool backWhenTold = false;
        const bool started = s.session.StartReadAside([&](const RecordedSettings& read) {
            reported = read;
            backWhenTold = SettingsFromControls(s.controls) == held && s.controls.settingsEnabled;
        });
        EXPECT_EQ(started, !c.portClosed) << c.name;
        if (started) {
            EXPECT_FALSE(s.controls.settingsEnabled) << c.name;
            ASSERT_TRUE(s.loop.RunUntil([&] { return !s.session.Engine().Running(); }, 15s)) << c.name;
        }
        EXPECT_EQ(SettingsFromControls(s.controls), held) << c.name;
        EXPECT_TRUE(s.controls.settingsEnabled) << c.name;
        if (c.portClosed) {
            EXPECT_FALSE(reported) << c.name;
            EXPECT_TRUE(ReadHistory(history).records.empty()) << c.name;
            continue;
        }
        EXPECT_EQ(reported, sender) << c.name;
        EXPECT_TRUE(backWhenTold) << c.name;
        const HistoryListing listing = ReadHistory(history);
        ASSERT_EQ(listing.records.size(), 1u) << c.name;
        EXPECT_EQ(listing.records[0].operation, DeviceOperation::Read) << c.name;
        EXPECT_EQ(listing.records[0].settings, sender) << c.name;
    }
}

TEST(HistoryHookTest, AFailedOperationIsRecordedWithItsMessage) {
    const TempFolder folder;
    const fs::path history = folder / "history.jsonl";
    Session s(history, {.oldFirmware = true});
    EXPECT_FALSE(s.Run(DeviceOperation::Program));
    const HistoryListing listing = ReadHistory(history);
    ASSERT_EQ(listing.records.size(), 1u);
    EXPECT_EQ(listing.records[0].outcome,
              "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!");
    EXPECT_TRUE(listing.records[0].sent);
    EXPECT_FALSE(listing.records[0].settings) << "the sender reported nothing whole";
    // The error box came first; the record after it.
    ASSERT_EQ(s.prompts.shown.size(), 1u);
}

// Acknowledged but not kept: the record says so as the box did, with what the sender holds.
TEST(HistoryHookTest, SettingsNotKeptAreRecordedWithWhatTheSenderHolds) {
    const TempFolder folder;
    const fs::path history = folder / "history.jsonl";
    Session s(history, {.forgetful = true});
    ASSERT_TRUE(s.Run(DeviceOperation::Read));
    s.controls.settings.edits[2] = "7";
    // In a translated window the box speaks its language; the history keeps English.
    SetTextTranslator([](const char*, const char* text) { return "<" + std::string(text) + ">"; });
    EXPECT_FALSE(s.Run(DeviceOperation::Program));
    SetTextTranslator(nullptr);
    ASSERT_FALSE(s.prompts.shown.empty());
    EXPECT_EQ(s.prompts.shown.back().text.rfind("<The device did not keep these settings: >", 0), 0u)
        << s.prompts.shown.back().text;
    const HistoryListing listing = ReadHistory(history);
    ASSERT_EQ(listing.records.size(), 2u);
    EXPECT_EQ(listing.records[1].outcome, "The device did not keep these settings: Level A (sent 7, read 20).");
    ASSERT_TRUE(listing.records[1].settings);
    EXPECT_EQ(listing.records[1].settings->edits[2], "20");
    EXPECT_EQ(listing.records[1].sent->edits[2], "7");
}

TEST(HistoryHookTest, AnUnwritableHistoryWarnsOnceAndChangesNoResult) {
    const TempFolder folder;
    const fs::path blocker = folder.Write("not-a-folder", "x");
    Session s(blocker / "history.jsonl");
    EXPECT_TRUE(s.Run(DeviceOperation::Read));
    EXPECT_EQ(s.controls.statusText, "Device read successfully!");
    EXPECT_TRUE(s.Run(DeviceOperation::Read));
    EXPECT_TRUE(s.prompts.shown.empty()) << "the warning is the front end's, not a box of the operation";
    ASSERT_EQ(s.warnings.size(), 1u) << "once while it keeps failing";
    EXPECT_EQ(s.warnings[0].text, "The job history could not be written.");
    EXPECT_NE(s.warnings[0].detail.find("not-a-folder"), std::string::npos) << s.warnings[0].detail;
    // The sheet still knows this run's program.
    EXPECT_EQ(s.session.Records().size(), 2u);
}

// What a program is recorded over: only a read of this run on the same port, with no
// program, restore or opening of the port since; the sheet prints nothing else as found.
TEST(AsFoundAsLeftTest, OnlyAReadOfThisRunWithNothingBetweenCounts) {
    enum class Step { Read, Program, Restore, Reopen };
    struct Row {
        const char* what;
        std::vector<Step> steps;
        bool readInAnEarlierRun;
        bool asFound;
    };
    const Row rows[] = {
        {"a read, then the program", {Step::Read}, false, true},
        {"a read in an earlier run only", {}, true, false},
        {"a restore between", {Step::Read, Step::Restore}, false, false},
        {"a program between", {Step::Read, Step::Program}, false, false},
        {"the port closed and opened again between", {Step::Read, Step::Reopen}, false, false},
    };
    const RecordedSettings held{1, 2, {"10", "900", "5", "25", "50", "75"}};
    for (const Row& row : rows) {
        const TempFolder folder;
        const fs::path history = folder / "history.jsonl";
        if (row.readInAnEarlierRun) {
            Session earlier(history);
            *earlier.unit->settings = {"1", "2", "10", "900", "5", "25", "50", "75"};
            ASSERT_TRUE(earlier.Run(DeviceOperation::Read));
        }
        Session s(history);
        s.session.SetJob("Sea Breeze 42 / fresh water", "J. Moreau");
        *s.unit->settings = {"1", "2", "10", "900", "5", "25", "50", "75"};
        for (const Step step : row.steps) {
            if (step == Step::Reopen) {
                s.session.Close("the port dialog");
                ASSERT_TRUE(s.session.Open());
                continue;
            }
            const DeviceOperation operation = step == Step::Read      ? DeviceOperation::Read
                                              : step == Step::Restore ? DeviceOperation::Restore
                                                                      : DeviceOperation::Program;
            ASSERT_TRUE(s.Run(operation)) << row.what;
        }
        s.controls.settings.edits = {"10", "1500", "20", "44", "60", "80"};
        ASSERT_TRUE(s.Run(DeviceOperation::Program)) << row.what;

        const HistoryRecord& program = s.session.Records().back();
        EXPECT_EQ(program.label, "Sea Breeze 42 / fresh water");
        EXPECT_EQ(program.installer, "J. Moreau");
        const std::optional<AsFoundAsLeft> sheet = FindAsFoundAsLeft(s.session.Records(), program.port);
        ASSERT_TRUE(sheet) << row.what;
        EXPECT_EQ(sheet->asLeft.edits[3], "44") << row.what;
        const fs::path backups = AsFoundBackupFolder(history);
        if (!row.asFound) {
            EXPECT_FALSE(sheet->asFound) << row.what;
            EXPECT_FALSE(program.asFound) << row.what;
            continue;
        }
        ASSERT_TRUE(sheet->asFound) << row.what;
        EXPECT_EQ(*sheet->asFound, held) << row.what;
        EXPECT_EQ(sheet->asFoundTime, s.session.Records().front().time) << "the read's own time";
        // The file keeps the same: a sheet made later says what one made now says.
        const HistoryListing listing = ReadHistory(history);
        ASSERT_FALSE(listing.records.empty());
        EXPECT_EQ(AsFoundAsLeftOf(listing.records.back())->asFound, held);
        // And the backup, loaded, is what the sender held.
        const fs::path backup = backups / AsFoundBackupName(sheet->asFoundTime, "Sea Breeze 42 / fresh water");
        PlainSettingsControls loaded;
        LoadConfigFile(backup, loaded);
        EXPECT_EQ(SettingsFromControls(loaded), held) << backup;
    }
}

} // namespace
} // namespace zeft::testing
