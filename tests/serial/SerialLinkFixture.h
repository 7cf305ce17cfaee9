#pragma once

#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "tests/support/ScriptedSerialDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace zeft::testing {

struct SeenReport {
    std::uint32_t place;
    std::uint32_t code;
    std::string msg;
    std::uint8_t noise;
};

// A component on a scripted device, with every report and event recorded in order.
class SerialLinkFixture : public ::testing::Test {
protected:
    SerialLinkFixture() {
        link->SetDeviceCreator([this](const std::string&) {
            auto made = std::make_unique<ScriptedSerialDevice>(callLog);
            device = made.get();
            ++opens;
            if (prepare) {
                prepare(*made);
            }
            return made;
        });
        link->OnProcessError = [this](TSerialLink&, std::uint32_t place, std::uint32_t code, const std::string& msg,
                                      std::uint8_t noise) {
            reports.push_back({place, code, msg, noise});
            log.push_back("report " + std::to_string(place));
        };
        link->OnRxClusterEvent = [this](TSerialLink& sender) {
            const TSerialCluster* cluster = sender.NextCluster();
            clusterErrors.push_back(cluster ? cluster->Error() : 0xFFFFFFFFu);
            clusters.push_back(sender.ReadNextClusterAsString());
            log.push_back("cluster");
        };
        link->OnWriteDone = [this](TSerialLink&) { log.push_back("write done"); };
    }

    // Drains the hand-over queue until the condition holds (or 10 s have passed).
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        return queue.DrainUntil(done, HandOverQueue::Clock::now() + limit);
    }

    void Open() {
        link->SetCommPort("scripted");
        link->SetActive(true);
        ASSERT_TRUE(link->Active());
        ASSERT_TRUE(PumpUntil([this] { return link->WorkerRunning(); }));
        // What the tests look at starts here; the open's own reports have their tests.
        openReports = reports;
        reports.clear();
        log.clear();
    }

    // The calls of every device so far; safe after the component freed them.
    std::vector<std::string> AllCalls() const {
        std::lock_guard lock(callLog->mutex);
        return callLog->calls;
    }

    bool HasReport(std::uint32_t place) const {
        for (const SeenReport& report : reports) {
            if (report.place == place) {
                return true;
            }
        }
        return false;
    }

    const SeenReport* FindReport(std::uint32_t place) const {
        for (const SeenReport& report : reports) {
            if (report.place == place) {
                return &report;
            }
        }
        return nullptr;
    }

    HandOverQueue queue;
    std::shared_ptr<ScriptedSerialDevice::CallLog> callLog = std::make_shared<ScriptedSerialDevice::CallLog>();
    // The device of the last open; the component frees it some time after a close.
    ScriptedSerialDevice* device = nullptr;
    std::function<void(ScriptedSerialDevice&)> prepare;
    int opens = 0;
    std::vector<SeenReport> reports;
    std::vector<SeenReport> openReports;
    std::vector<std::string> clusters;
    std::vector<std::uint32_t> clusterErrors;
    std::vector<std::string> log;
    // Last, so that it goes first: its handlers use the members above.
    std::unique_ptr<TSerialLink> link = std::make_unique<TSerialLink>(queue);
};

} // namespace zeft::testing
