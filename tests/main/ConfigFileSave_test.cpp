#include "main/AtomicFile.h"
#include "main/ConfigFile.h"
#include "main/FileErrorText.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zeft {
namespace {

using testing::TempFolder;

constexpr const char* kOldContent = "[Sensor Parameters]\r\nTop Limit = 15\r\n; the user's old file\r\n";

TEST(SaveConfigFileTest, ReplacesAnExistingFileAndLeavesNothingElse) {
    const TempFolder folder;
    const fs::path path = folder.Write("tank.zcf", kOldContent);
    PlainSettingsControls controls;
    controls.outputTypeIndex = 3;
    EXPECT_EQ(SaveConfigFile(path, controls), std::nullopt);
    EXPECT_EQ(TempFolder::Read(path), ConfigFileText(controls));
    EXPECT_EQ(folder.Listing(), "tank.zcf");
}

TEST(SaveConfigFileTest, NameNearTheLengthLimitIsSaved) {
    const TempFolder folder;
    const std::string name = std::string(246, 'n').append(".zcf"); // 250 characters
    const fs::path path = folder.Write(name, kOldContent);
    EXPECT_EQ(SaveConfigFile(path, PlainSettingsControls()), std::nullopt);
    EXPECT_EQ(TempFolder::Read(path), ConfigFileText(PlainSettingsControls()));
    EXPECT_EQ(folder.Listing(), name);
}

#ifndef _WIN32
// POSIX file modes and symbolic links.
TEST(SaveConfigFileTest, KeepsThePermissionsOfTheFileItReplaces) {
    const TempFolder folder;
    const fs::path path = folder.Write("tank.zcf", kOldContent);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(SaveConfigFile(path, PlainSettingsControls()), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SaveConfigFileTest, ALinkStaysALinkAndItsFileIsReplaced) {
    const TempFolder folder;
    const fs::path real = folder.Write("real.zcf", kOldContent);
    fs::create_symlink("real.zcf", folder / "link.zcf");
    ASSERT_EQ(SaveConfigFile(folder / "link.zcf", PlainSettingsControls()), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder / "link.zcf"));
    EXPECT_EQ(TempFolder::Read(real), ConfigFileText(PlainSettingsControls()));
    EXPECT_EQ(folder.Listing(), "link.zcf real.zcf");
}
#endif

#ifdef _WIN32
// The replacement keeps the attributes of the file it replaces; a read-only file is refused.
TEST(SaveConfigFileTest, KeepsTheAttributesOfTheFileItReplaces) {
    const TempFolder folder;
    const fs::path hidden = folder.Write("hidden.zcf", kOldContent);
    ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_EQ(SaveConfigFile(hidden, PlainSettingsControls()), std::nullopt);
    EXPECT_EQ(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
    EXPECT_EQ(TempFolder::Read(hidden), ConfigFileText(PlainSettingsControls()));
    const fs::path readOnly = folder.Write("read-only.zcf", kOldContent);
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(SaveConfigFile(readOnly, PlainSettingsControls()), "File access denied.");
    EXPECT_EQ(TempFolder::Read(readOnly), kOldContent);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL); // so that the folder can go
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.Listing(), "hidden.zcf read-only.zcf");
}
#endif

TEST(SaveConfigFileTest, FailuresKeepWhatWasThereAndSayWhy) {
    const TempFolder folder;
    fs::create_directory(folder / "folder.zcf");
    folder.Write("folder.zcf/inside.txt", "keep me");
    folder.Write("plain file", kOldContent);
    struct Case {
        fs::path target;
        const char* error;
    };
    const Case cases[] = {
#ifdef _WIN32
        {folder / "no such folder" / "tank.zcf", "Invalid filename."}, // the path is not found
#else
        {folder / "no such folder" / "tank.zcf", "File not found."},
#endif
        {folder / "folder.zcf", "File access denied."},            // a folder where the file should go
        {folder / "plain file" / "tank.zcf", "Invalid filename."}, // a file where a folder should be
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SaveConfigFile(c.target, PlainSettingsControls()), c.error) << c.target;
    }
    // A name longer than the system takes: the error differs between systems.
    const fs::path tooLong = folder / std::string(300, 'n').append(".zcf");
#ifdef _WIN32
    EXPECT_TRUE(SaveConfigFile(tooLong, PlainSettingsControls()).has_value());
#else
    EXPECT_EQ(SaveConfigFile(tooLong, PlainSettingsControls()), "Invalid filename.");
#endif
    EXPECT_EQ(TempFolder::Read(folder / "folder.zcf/inside.txt"), "keep me");
    EXPECT_EQ(TempFolder::Read(folder / "plain file"), kOldContent);
    EXPECT_EQ(folder.Listing(), "folder.zcf plain file");
}

#ifndef _WIN32
// POSIX folder modes and file size limits.
// A folder where no file may be created: a file the user may write is rewritten in place,
// keeping its mode; anything else is refused and nothing changes. A file the user may not
// write is refused also where the folder would let a rename replace it.
TEST(SaveConfigFileTest, WritableFileInAReadOnlyFolderIsRewrittenInPlace) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser";
    }
    constexpr auto kWritable = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    struct Case {
        bool folderWritable;
        bool exists;
        fs::perms mode;
        std::optional<std::string> error;
    };
    const Case cases[] = {
        {false, true, kWritable, std::nullopt},
        {false, true, fs::perms::owner_read, "File access denied."},
        {false, false, kWritable, "File access denied."},
        {true, true, fs::perms::owner_read, "File access denied."},
    };
    for (const Case& c : cases) {
        const TempFolder folder;
        const fs::path path = folder / "tank.zcf";
        if (c.exists) {
            folder.Write("tank.zcf", kOldContent);
            fs::permissions(path, c.mode);
        }
        if (!c.folderWritable) {
            fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        }
        EXPECT_EQ(SaveConfigFile(path, PlainSettingsControls()), c.error);
        fs::permissions(folder.Path(), fs::perms::owner_all);
        EXPECT_EQ(folder.Listing(), c.exists ? "tank.zcf" : "");
        if (c.exists) {
            EXPECT_EQ(TempFolder::Read(path), c.error ? kOldContent : ConfigFileText(PlainSettingsControls()));
            EXPECT_EQ(fs::status(path).permissions(), c.mode);
        }
    }
}

// The disk fills up while the file is written: a file size limit makes the write fail
// the same way, as any user can set it.
TEST(SaveConfigFileTest, WriteFailingHalfWayKeepsTheOldFile) {
    for (const bool folderWritable : {true, false}) {
        if (!folderWritable && ::geteuid() == 0) {
            continue; // permissions do not stop the superuser
        }
        const TempFolder folder;
        // Shorter than the limit, so that the in-place save can put it back.
        const fs::path path = folder.Write("tank.zcf", "old\r\n");
        if (!folderWritable) {
            fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        }
        rlimit before{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = before;
        tiny.rlim_cur = 20;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const auto error = SaveConfigFile(path, PlainSettingsControls());
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        fs::permissions(folder.Path(), fs::perms::owner_all);
        EXPECT_EQ(error, "Disk full.") << folderWritable;
        EXPECT_EQ(TempFolder::Read(path), "old\r\n") << folderWritable;
        EXPECT_EQ(folder.Listing(), "tank.zcf");
    }
}
#endif

TEST(SaveConfigFileTest, EmptyNameIsRefused) {
    EXPECT_TRUE(SaveFileAtomically("", "x").has_value());
    EXPECT_TRUE(SaveFileAtomically(fs::temp_directory_path() / "", "x").has_value());
}

TEST(FileErrorTextTest, SystemErrorsGiveTheProgramsTexts) {
    struct Case {
        int error;
        const char* text;
    };
    const Case posix[] = {
        {ENOENT, "File not found."},     {ENAMETOOLONG, "Invalid filename."}, {EMFILE, "Too many open files."},
        {EACCES, "File access denied."}, {EROFS, "File access denied."},      {ENOSPC, "Disk full."},
#ifdef EDQUOT
        {EDQUOT, "Disk full."},
#endif
        {EIO, "I/O error 5."},
    };
    for (const Case& c : posix) {
        EXPECT_EQ(FileErrorTextFromErrno(c.error), c.text) << c.error;
    }
    const Case win32[] = {
        {2, "File not found."},      {3, "Invalid filename."},   {123, "Invalid filename."},
        {4, "Too many open files."}, {5, "File access denied."}, {112, "Disk full."},
        {39, "Disk full."},          {32, "I/O error 32."},      {1117, "I/O error 1117."},
    };
    for (const Case& c : win32) {
        EXPECT_EQ(FileErrorTextFromWin32(static_cast<unsigned long>(c.error)), c.text) << c.error;
    }
}

} // namespace
} // namespace zeft
