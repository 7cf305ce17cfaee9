// The settings file with more than one program saving, and with strange things at the
// names it writes through.
#include "serial/settings/SettingsFileMedium.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeft {
namespace {

constexpr int kValues = 27;

// One save of the port settings' size: every value names the writer and the round.
bool Save(const std::filesystem::path& file, int writer, int round) {
    SettingsFileMedium medium(file);
    if (!medium.OpenKey("Software\\KOV\\ZEFT")) {
        return false;
    }
    for (int i = 0; i < kValues; ++i) {
        medium.WriteString("CommSetting", "Value" + std::to_string(i),
                           std::to_string(writer) + "/" + std::to_string(round));
    }
    return medium.Close();
}

// The file as it lies on disk now: its value lines, or -1 when it is not there.
int ValueLines(const std::filesystem::path& file) {
    const std::string text = testing::TempFolder::Read(file);
    if (text.empty()) {
        return -1;
    }
    return static_cast<int>(std::count(text.begin(), text.end(), '='));
}

int ExitStatus(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// Two programs saving at once: every save succeeds, and whenever one looks, the file is
// whole, with its 27 values and nothing else.
TEST(SettingsFileWriters, TwoProgramsSavingAThousandTimesEach) {
    constexpr int kRounds = 1000;
    const testing::TempFolder folder;
    const std::filesystem::path file = folder / "settings.ini";
    ASSERT_TRUE(Save(file, 0, 0));
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            int failed = 0;
            for (int round = 0; round < kRounds; ++round) {
                failed += Save(file, w + 1, round) ? 0 : 1;
            }
            _exit(std::min(failed, 100));
        }
    }
    int looks = 0;
    int broken = 0;
    int lastSeen = kValues;
    int status[2] = {-1, -1};
    bool ended[2] = {false, false};
    while (!ended[0] || !ended[1]) {
        for (int w = 0; w < 2; ++w) {
            ended[w] = ended[w] || waitpid(writers[w], &status[w], WNOHANG) == writers[w];
        }
        const int lines = ValueLines(file);
        ++looks;
        if (lines != kValues) {
            ++broken;
            lastSeen = lines;
        }
    }
    for (int w = 0; w < 2; ++w) {
        EXPECT_TRUE(WIFEXITED(status[w]) && WEXITSTATUS(status[w]) == 0)
            << "failed saves of writer " << w << ": " << WEXITSTATUS(status[w]);
    }
    EXPECT_EQ(broken, 0) << "of " << looks << " looks; one had " << lastSeen << " value lines";
    EXPECT_EQ(ValueLines(file), kValues);
    SettingsFileMedium medium(file);
    ASSERT_TRUE(medium.OpenKey("Software\\KOV\\ZEFT"));
    std::string text;
    EXPECT_EQ(medium.ReadString("CommSetting", "Value26", text), SettingsMedium::ReadStatus::Text);
    medium.Close();
    EXPECT_EQ(folder.Listing(), "settings.ini settings.ini.lock") << "no temporary file left";
}

// Whatever lies at the old temporary name, a save neither waits on it nor writes through it.
TEST(SettingsFileWriters, SomethingAtATemporaryNameNeitherHangsNorIsWrittenThrough) {
    const testing::TempFolder folder;
    const std::filesystem::path file = folder / "settings.ini";
    ASSERT_EQ(mkfifo((file.string() + ".tmp").c_str(), 0600), 0);
    const std::filesystem::path victim = folder.Write("victim", "untouched");
    std::filesystem::create_symlink(victim, file.string() + ".tmp.0");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(10); // a save that hangs ends here, as a failure
        _exit(Save(file, 1, 1) ? 0 : 1);
    }
    EXPECT_EQ(ExitStatus(child), 0);
    EXPECT_EQ(ValueLines(file), kValues);
    EXPECT_EQ(testing::TempFolder::Read(victim), "untouched");
}

// What stands at the settings file's own name: a link is written through and stays a link;
// anything that is no regular file is refused and left as it was, without a hang.
TEST(SettingsFileWriters, ALinkIsFollowedAndNoRegularFileIsReplaced) {
    struct Row {
        const char* what;
        bool link;
        bool saved;
    };
    for (const Row row : {Row{"link", true, true}, Row{"fifo", false, false}}) {
        const testing::TempFolder folder;
        const std::filesystem::path file = folder / "settings.ini";
        const std::filesystem::path real = folder / "elsewhere.ini";
        if (row.link) {
            ASSERT_TRUE(Save(real, 0, 0));
            std::filesystem::create_symlink(real, file);
        } else {
            ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
        }
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            alarm(10); // a save that hangs ends here, as a failure
            _exit(Save(file, 1, 1) ? 0 : 1);
        }
        EXPECT_EQ(ExitStatus(child), row.saved ? 0 : 1) << row.what;
        const std::filesystem::file_type type = std::filesystem::symlink_status(file).type();
        EXPECT_EQ(type, row.link ? std::filesystem::file_type::symlink : std::filesystem::file_type::fifo) << row.what;
        if (row.link) {
            EXPECT_NE(testing::TempFolder::Read(real).find("\"1/1\""), std::string::npos);
        }
    }
}

} // namespace
} // namespace zeft
