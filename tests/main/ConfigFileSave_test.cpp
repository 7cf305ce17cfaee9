#include "base/AtomicFile.h"
#include "base/FileErrorText.h"
#include "main/ConfigFile.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
    controls.SetOutputTypeIndex(3);
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

#ifndef _WIN32
// A rename would put a plain file in place of a pipe, a socket or a link into nowhere.
TEST(SaveConfigFileTest, WhatIsNoRegularFileIsRefusedAndStaysAsItWas) {
    const TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe.zcf").c_str(), 0600), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (folder / "socket.zcf").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    fs::create_symlink("pipe.zcf", folder / "to-pipe.zcf");
    fs::create_symlink("gone.zcf", folder / "dangling.zcf");
    fs::create_symlink("no such folder/tank.zcf", folder / "into-nowhere.zcf");
    struct Case {
        const char* name;
        fs::file_type type;
        const char* error;
    };
    const Case cases[] = {
        {"pipe.zcf", fs::file_type::fifo, "Not a regular file."},
        {"socket.zcf", fs::file_type::socket, "Not a regular file."},
        {"to-pipe.zcf", fs::file_type::symlink, "Not a regular file."},
        {"dangling.zcf", fs::file_type::symlink, "The link leads to a missing file."},
        {"into-nowhere.zcf", fs::file_type::symlink, "The link leads to a missing file."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SaveConfigFile(folder / c.name, PlainSettingsControls()), c.error) << c.name;
        EXPECT_EQ(fs::symlink_status(folder / c.name).type(), c.type) << c.name;
    }
    ::close(listener);
    EXPECT_EQ(folder.Listing(), "dangling.zcf into-nowhere.zcf pipe.zcf socket.zcf to-pipe.zcf");
}
#endif

// A file opened as a save in progress holds it: locked on POSIX, unshared on Windows.
class FileInUse {
public:
    explicit FileInUse(const fs::path& path) {
#ifdef _WIN32
        handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
#else
        fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        ::flock(fd_, LOCK_EX);
#endif
    }
    ~FileInUse() {
#ifdef _WIN32
        CloseHandle(handle_);
#else
        ::close(fd_);
#endif
    }
    FileInUse(const FileInUse&) = delete;
    FileInUse& operator=(const FileInUse&) = delete;

private:
#ifdef _WIN32
    HANDLE handle_;
#else
    int fd_;
#endif
};

// A save killed before its rename leaves its temporary file. The next save of that name
// removes such leftovers, but never another save's file in progress, nor what is not ours.
TEST(SaveConfigFileTest, StaleTemporariesOfThatNameAreRemoved) {
#ifdef _WIN32
    const std::string mark = "~";
#else
    const std::string mark = ".";
#endif
    struct Case {
        std::string name;
        bool old;   // untouched for an hour
        bool inUse; // held open by a save in progress
        bool removed;
    };
    const Case cases[] = {
        {mark + "tank.zcf.123456.tmp", true, false, true},   {mark + "tank.zcf.7.tmp", true, false, true},
        {mark + "tank.zcf.123457.tmp", false, false, false}, // just created, not yet locked
        {mark + "tank.zcf.123458.tmp", true, true, false},   // a slow save, still writing
        {mark + "other.zcf.123456.tmp", true, false, false}, // another file's
        {mark + "tank.zcf.1234567.tmp", true, false, false}, // not a name we give
        {mark + "tank.zcf.12a.tmp", true, false, false},
    };
    const TempFolder folder;
    folder.Write("tank.zcf", kOldContent);
    std::vector<std::unique_ptr<FileInUse>> held;
    for (const Case& c : cases) {
        folder.Write(c.name, "half a save");
        if (c.old) {
            fs::last_write_time(folder / c.name, fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
        if (c.inUse) {
            held.push_back(std::make_unique<FileInUse>(folder / c.name));
        }
    }
    ASSERT_EQ(SaveConfigFile(folder / "tank.zcf", PlainSettingsControls()), std::nullopt);
    for (const Case& c : cases) {
        EXPECT_EQ(fs::exists(folder / c.name), !c.removed) << c.name;
    }
    EXPECT_EQ(TempFolder::Read(folder / "tank.zcf"), ConfigFileText(PlainSettingsControls()));
}

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
        {folder / "folder.zcf", "Not a regular file."},            // a folder where the file should go
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
