#include "main/ConfigFileCommands.h"

#include "main/ConfigFile.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace zeft {
namespace {

using testing::AnsweringDialogs;
using testing::ScriptedPrompts;
using testing::TempFolder;
using Kind = ScriptedPrompts::Kind;

TEST(SaveSettingsAsTest, SavesTheControlsToTheChosenFile) {
    const TempFolder folder;
    const std::string path = (folder / "tank.zcf").string();
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(3);
    ScriptedPrompts prompts;
    AnsweringDialogs dialogs(path);
    EXPECT_TRUE(SaveSettingsAs(controls, prompts, dialogs));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(TempFolder::Read(path), ConfigFileText(controls));
}

// The dialog asked only about the name it returned: Save As asks about the name it writes
// when that differs, and never twice.
TEST(SaveSettingsAsTest, ExtensionIsAddedAndTheFinalNameIsAskedAbout) {
    struct Case {
        const char* typed;
        const char* existing; // holds the old text before the save
        std::optional<ConfirmAnswer> answer;
        const char* written; // nullptr: nothing is written
    };
    const Case cases[] = {
        {"tank", nullptr, std::nullopt, "tank.zcf"},
        {"tank", "tank", std::nullopt, "tank.zcf"}, // a file without extension is not the target
        {"tank", "tank.zcf", ConfirmAnswer::No, nullptr},
        {"tank", "tank.zcf", ConfirmAnswer::Closed, nullptr},
        {"tank", "tank.zcf", ConfirmAnswer::Yes, "tank.zcf"},
        {"tank.zcf", "tank.zcf", std::nullopt, "tank.zcf"}, // the dialog asked already
        {"tank.txt", nullptr, std::nullopt, "tank.txt"},
        {"tank.", nullptr, std::nullopt, "tank."},
    };
    for (const Case& c : cases) {
        const TempFolder folder;
        if (c.existing != nullptr) {
            folder.Write(c.existing, "old");
        }
        PlainSettingsControls controls;
        ScriptedPrompts prompts;
        if (c.answer) {
            prompts.Answer(*c.answer);
        }
        AnsweringDialogs dialogs((folder / c.typed).string());
        EXPECT_EQ(SaveSettingsAs(controls, prompts, dialogs), c.written != nullptr) << c.typed;
        if (c.answer) {
            ASSERT_EQ(prompts.shown.size(), 1u) << c.typed;
            EXPECT_EQ(prompts.shown[0].kind, Kind::Confirm);
            EXPECT_EQ(prompts.shown[0].text, "tank.zcf already exists.\nDo you want to replace it?");
        } else {
            EXPECT_TRUE(prompts.shown.empty()) << c.typed;
        }
        if (c.written != nullptr) {
            EXPECT_EQ(TempFolder::Read(folder / c.written), ConfigFileText(controls)) << c.typed;
        }
        if (c.existing != nullptr && (c.written == nullptr || std::string(c.written) != c.existing)) {
            EXPECT_EQ(TempFolder::Read(folder / c.existing), "old") << c.typed;
        }
    }
}

TEST(SaveSettingsAsTest, NothingIsAskedOrWrittenWhenValidationFails) {
    const TempFolder folder;
    const std::string path = (folder / "tank.zcf").string();
    struct Case {
        const char* top;
        std::optional<ConfirmAnswer> answer;
        std::size_t boxes;
    };
    const Case cases[] = {{"9", std::nullopt, 1}, {"11", ConfirmAnswer::No, 1}};
    for (const Case& c : cases) {
        PlainSettingsControls controls;
        controls.settings.edits[0] = c.top;
        ScriptedPrompts prompts;
        if (c.answer) {
            prompts.Answer(*c.answer);
        }
        AnsweringDialogs dialogs(path);
        EXPECT_FALSE(SaveSettingsAs(controls, prompts, dialogs));
        EXPECT_EQ(dialogs.saveAsked, 0);
        EXPECT_EQ(prompts.shown.size(), c.boxes);
        EXPECT_FALSE(fs::exists(path));
    }
}

TEST(SaveSettingsAsTest, ConfirmedTopLimitIsSavedAsTyped) {
    const TempFolder folder;
    const std::string path = (folder / "tank.zcf").string();
    PlainSettingsControls controls;
    controls.settings.edits[0] = " 11";
    ScriptedPrompts prompts;
    prompts.Answer(ConfirmAnswer::Yes);
    AnsweringDialogs dialogs(path);
    EXPECT_TRUE(SaveSettingsAs(controls, prompts, dialogs));
    EXPECT_NE(TempFolder::Read(path).find("\r\nTop Limit =  11\r\n"), std::string::npos);
}

TEST(SaveSettingsAsTest, CancelledDialogWritesNothing) {
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    AnsweringDialogs dialogs(std::nullopt);
    EXPECT_FALSE(SaveSettingsAs(controls, prompts, dialogs));
    EXPECT_EQ(dialogs.saveAsked, 1);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(SaveSettingsAsTest, FailedSaveShowsTheApplicationErrorAndKeepsTheOldFile) {
    const TempFolder folder;
    fs::create_directory(folder / "taken.zcf");
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    AnsweringDialogs dialogs((folder / "taken.zcf").string());
    EXPECT_FALSE(SaveSettingsAs(controls, prompts, dialogs));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::ApplicationError);
    EXPECT_EQ(prompts.shown[0].text, "Not a regular file.");
    EXPECT_TRUE(fs::is_directory(folder / "taken.zcf"));
}

TEST(LoadSettingsTest, LoadsTheChosenFileWithoutAnyMessage) {
    const TempFolder folder;
    const fs::path path = folder.Write("tank.zcf", "[Sensor Parameters]\r\nOutput Type = 0x4\r\nFluid Type = 3\r\n"
                                                   "Top Limit = 9\r\n[Tank Linearization Parameters]\r\n"
                                                   "Level A = 50\r\nLevel B = 40\r\nLevel D = \r\n");
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    AnsweringDialogs dialogs(path.string());
    EXPECT_TRUE(LoadSettings(controls, prompts, dialogs));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(controls.OutputTypeIndex(), 3);
    EXPECT_EQ(controls.FluidTypeIndex(), 3);
    const std::array<std::string, 6> expected = {"9", "Invalid Data", "50", "40", "Invalid Data", ""};
    EXPECT_EQ(controls.settings.edits, expected);
}

TEST(LoadSettingsTest, CancelledDialogLeavesTheControls) {
    PlainSettingsControls controls;
    controls.settings.edits[0] = "typed";
    ScriptedPrompts prompts;
    AnsweringDialogs dialogs(std::nullopt);
    EXPECT_FALSE(LoadSettings(controls, prompts, dialogs));
    EXPECT_EQ(dialogs.openAsked, 1);
    EXPECT_EQ(controls.settings.edits[0], "typed");
    EXPECT_EQ(controls.OutputTypeIndex(), 0);
}

// A name that is no regular file is refused before anything reads it: a pipe would block
// the window, and reading nothing would wipe the eight settings.
TEST(LoadSettingsTest, WhatIsNoRegularFileIsRefusedAndTheControlsStay) {
    const TempFolder folder;
    std::vector<fs::path> specials;
    fs::create_directory(folder / "folder.zcf");
    specials.push_back(folder / "folder.zcf");
#ifndef _WIN32
    ASSERT_EQ(mkfifo((folder / "pipe.zcf").string().c_str(), 0600), 0);
    specials.push_back(folder / "pipe.zcf");
    fs::create_symlink(folder / "pipe.zcf", folder / "link.zcf");
    specials.push_back(folder / "link.zcf");
#endif
    for (const fs::path& special : specials) {
        SCOPED_TRACE(special.string());
        PlainSettingsControls controls;
        controls.settings.edits[0] = "typed";
        ScriptedPrompts prompts;
        AnsweringDialogs dialogs(special.string());
        EXPECT_FALSE(LoadSettings(controls, prompts, dialogs));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, Kind::ApplicationError);
        EXPECT_EQ(prompts.shown[0].text, "Not a regular file.");
        EXPECT_EQ(controls.settings.edits[0], "typed");
    }
}

} // namespace
} // namespace zeft
