// Production runs over the virtual production line, through the serial component.
#include "main/ProductionRun.h"

#include "main/HistoryRecord.h"
#include "serial/virtual/VirtualSenderPortName.h"
#include "tests/support/SessionRig.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace zeft {
namespace {

using testing::SessionRig;
using testing::TempFolder;
using namespace std::chrono_literals;

const std::string kLine(kVirtualProductionLinePortName);

// The run beside the rig's own session on the same port, as the window has it.
struct ProductionRig : SessionRig {
    explicit ProductionRig(const std::string& port) {
        RegisterVirtualSenderPort(port);
        EXPECT_TRUE(Open(port, 9600));
        run = std::make_unique<ProductionRun>(link, prompts, engineTimer, waitTimer);
        run->Settings().SetEditText(SettingsEdit::LevelA, "33");
        run->RecordInto(folder / "history.jsonl", "test", nullptr);
    }
    bool RunUntil(const std::function<bool()>& done) { return loop.RunUntil(done, 60s); }
    std::vector<HistoryRecord> FileRecords() const {
        std::vector<HistoryRecord> records;
        std::ifstream file(folder / "history.jsonl");
        for (std::string line; std::getline(file, line);) {
            records.push_back(HistoryRecordFromJson(line).value());
        }
        return records;
    }

    TempFolder folder;
    CoreLoopTimer engineTimer{loop};
    CoreLoopTimer waitTimer{loop};
    std::unique_ptr<ProductionRun> run;
};

// A failed sender is counted as failed and the next one is programmed with the run's own
// settings again. A sender counted twice would show in the pattern: sender 1 again as unit
// 2 would pass, the failing sender 2 again as unit 3 would fail.
TEST(ProductionRunTest, ThreeSendersEachOnceWithLabelAndUnitAndTheRunGoesOnAfterAFailure) {
    struct Row {
        const char* fault;
        const char* failureStart;
        const char* outcome;
    };
    const Row rows[] = {
        {"forgetful", "The device did not keep these settings: Level A (sent 33, read 20)",
         "The device did not keep these settings: Level A (sent 33, read 20)."},
        {"old firmware", "Fail to program the device due to incompatible firmware!",
         "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        ProductionRig rig(kLine + " (pace 1500, sender 2 " + row.fault + ")");
        ASSERT_TRUE(rig.run->Start("hull 117", 3));
        ASSERT_TRUE(rig.RunUntil([&] { return !rig.run->Running(); }));

        const auto& units = rig.run->Units();
        ASSERT_EQ(units.size(), 3u);
        EXPECT_EQ(std::vector<bool>({units[0].passed, units[1].passed, units[2].passed}),
                  std::vector<bool>({true, false, true}));
        EXPECT_EQ(units[1].failure.rfind(row.failureStart, 0), 0u) << units[1].failure;
        EXPECT_EQ(rig.run->Summary().programmed, 2);
        EXPECT_EQ(rig.run->Summary().failed, 1);
        EXPECT_FALSE(rig.run->Summary().stopped);
        EXPECT_FALSE(rig.link.RTSState());
        EXPECT_TRUE(rig.prompts.shown.empty()) << "no box may wait for a hand at the bench";

        const std::vector<HistoryRecord> records = rig.FileRecords();
        ASSERT_EQ(records.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(records[i].label, "hull 117");
            EXPECT_EQ(records[i].unit, i + 1);
            ASSERT_TRUE(records[i].sent);
            EXPECT_EQ(records[i].sent->edits[2], "33") << "every sender gets the run's settings";
        }
        EXPECT_EQ(records[1].outcome, row.outcome);
        EXPECT_TRUE(records[2].Succeeded());
        EXPECT_EQ(records[2].settings->edits[2], "33");
    }
}

// Stop between senders ends the run at once; during a program it switches the sender off
// and records the sender as stopped, neither passed nor failed.
TEST(ProductionRunTest, StopEndsAtOnceAndLeavesTheSenderOff) {
    struct Row {
        const char* port;
        ProductionState stopIn;
        std::size_t units;
    };
    const Row rows[] = {
        {"ZEFT Virtual Sender (silent)", ProductionState::AwaitingSender, 0},
        {"ZEFT Virtual Production Line (pace 1500)", ProductionState::Programming, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.port);
        ProductionRig rig(row.port);
        ASSERT_TRUE(rig.run->Start("", 0));
        // Into the state, and for a program, until the engine has powered the sender.
        ASSERT_TRUE(rig.RunUntil([&] {
            return rig.run->State() == row.stopIn &&
                   (row.stopIn != ProductionState::Programming || rig.engineTimer.IsEnabled()) && rig.link.RTSState();
        }));
        rig.run->Stop();
        EXPECT_EQ(rig.run->State(), ProductionState::Ended);
        EXPECT_TRUE(rig.run->Summary().stopped);
        EXPECT_FALSE(rig.link.RTSState());
        EXPECT_FALSE(rig.waitTimer.IsEnabled());
        EXPECT_FALSE(rig.engineTimer.IsEnabled());
        ASSERT_EQ(rig.run->Units().size(), row.units);
        ASSERT_EQ(rig.FileRecords().size(), row.units);
        if (row.units > 0) {
            EXPECT_TRUE(rig.run->Units()[0].stopped);
            EXPECT_EQ(rig.run->Summary().failed, 0);
            EXPECT_EQ(rig.FileRecords()[0].outcome, "Stopped before its end: the sender was switched off.");
        }
        if (row.units > 0) {
            // The rig's own session takes its port back and reads the sender left on.
            rig.run.reset();
            rig.session.TakeBackPort();
            EXPECT_TRUE(rig.Run(&ExchangeEngine::ReadBtnClick, 10s));
            EXPECT_TRUE(rig.engine.Succeeded());
        }
    }
}

TEST(ProductionRunTest, AClosedPortStopsBeforeTheLoop) {
    ProductionRig rig("ZEFT Virtual Sender");
    rig.link.SetActive(false);
    EXPECT_FALSE(rig.run->Start("", 0));
    EXPECT_EQ(rig.run->State(), ProductionState::Idle);
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown[0].text, "Cannot Open COM port!");
}

} // namespace
} // namespace zeft
