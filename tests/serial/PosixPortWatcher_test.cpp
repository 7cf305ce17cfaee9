#include "serial/PortWatcher.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace zeft {
namespace {

namespace fs = std::filesystem;

// Waits for the watcher's descriptor, then takes what it says; false when nothing came.
bool ChangedWithin(PortWatcher& watcher, int milliseconds) {
    pollfd wanted{watcher.Handle(), POLLIN, 0};
    return ::poll(&wanted, 1, milliseconds) == 1 && watcher.TakeChanges();
}

TEST(PortWatcherTest, SeesPortsAndUdevLinksComeAndGoButNothingElse) {
    const fs::path dev = fs::temp_directory_path() / "zeft-port-watcher";
    fs::remove_all(dev);
    fs::create_directories(dev);
    PortWatcher watcher(dev);
    ASSERT_GE(watcher.Handle(), 0);

    struct Step {
        const char* what;
        std::function<void()> act;
        bool change;
    };
    const Step steps[] = {
        {"a node of another kind", [&] { std::ofstream(dev / "video0") << ""; }, false},
        {"an adapter's node", [&] { std::ofstream(dev / "ttyUSB0") << ""; }, true},
        // udev makes serial/by-id with the first adapter: the link in it counts too.
        {"udev's folders", [&] { fs::create_directories(dev / "serial" / "by-id"); }, true},
        {"a by-id link", [&] { fs::create_symlink("../../ttyUSB0", dev / "serial" / "by-id" / "usb-X-if00"); }, true},
        {"the node goes", [&] { fs::remove(dev / "ttyUSB0"); }, true},
        {"the link goes", [&] { fs::remove(dev / "serial" / "by-id" / "usb-X-if00"); }, true},
        {"a Bluetooth port", [&] { std::ofstream(dev / "rfcomm0") << ""; }, true},
    };
    for (const Step& step : steps) {
        step.act();
        // Generous for a change; short for the quiet cases, which have nothing to wait for.
        EXPECT_EQ(ChangedWithin(watcher, step.change ? 5000 : 200), step.change) << step.what;
    }
    fs::remove_all(dev);
}

// More notices than the kernel queues: the ones lost may have been ports, so the overflow
// itself is a change.
TEST(PortWatcherTest, LostNoticesCountAsAChange) {
    const fs::path dev = fs::temp_directory_path() / "zeft-port-watcher-overflow";
    fs::remove_all(dev);
    fs::create_directories(dev);
    PortWatcher watcher(dev);
    ASSERT_GE(watcher.Handle(), 0);
    int queued = 16384;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> queued;
    for (int i = 0; i <= queued / 2; ++i) {
        std::ofstream(dev / "video0") << "";
        fs::remove(dev / "video0");
    }
    std::ofstream(dev / "ttyUSB0") << ""; // lost with the overflow
    EXPECT_TRUE(ChangedWithin(watcher, 5000));
    fs::remove_all(dev);
}

TEST(PortWatcherTest, AMissingFolderWatchesNothing) {
    PortWatcher watcher(fs::temp_directory_path() / "zeft-no-such-dev");
    EXPECT_EQ(watcher.Handle(), -1);
    EXPECT_FALSE(watcher.TakeChanges());
}

} // namespace
} // namespace zeft
