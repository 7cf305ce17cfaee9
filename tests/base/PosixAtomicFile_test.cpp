// What the atomic writer reports and the modes it leaves; its saves as the user sees them are
// tested through the configuration file (tests/main/ConfigFileSave_test.cpp).
#include "base/AtomicFile.h"
#include "base/SaveTarget.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace zeft {
namespace {

mode_t ModeOf(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// A new file gets the usual mode (less the umask) or its owner's alone; a replaced file
// keeps its mode unless the caller wants it its owner's alone.
TEST(AtomicFileTest, ModeOfTheNewOrReplacedFile) {
    struct Row {
        mode_t before; // 0: no file yet
        bool ownerOnly;
        mode_t after;
    };
    const mode_t umask = ::umask(022);
    const Row rows[] = {{0, false, 0644}, {0, true, 0600}, {0640, false, 0640}, {0644, true, 0600}};
    for (const Row& row : rows) {
        const testing::TempFolder folder;
        const std::filesystem::path file = folder / "file.txt";
        if (row.before != 0) {
            folder.Write("file.txt", "old");
            ASSERT_EQ(::chmod(file.c_str(), row.before), 0);
        }
        EXPECT_FALSE(ReplaceFileAtomically(file, "new", AtomicFileOptions{.ownerOnly = row.ownerOnly}));
        EXPECT_EQ(testing::TempFolder::Read(file), "new");
        EXPECT_EQ(ModeOf(file), row.after) << std::oct << row.before << " " << row.ownerOnly;
        EXPECT_EQ(folder.Listing(), "file.txt") << "no temporary file left";
    }
    ::umask(umask);
}

// A failure says whether the name was refused or the system failed, and with which error,
// so that each caller words it its own way.
TEST(AtomicFileTest, AFailureIsARefusalOrTheSystemsError) {
    const testing::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder / "missing", folder / "dangling");

    struct Row {
        std::filesystem::path target;
        std::optional<std::string> refusal;
        unsigned long error;
    };
    const Row rows[] = {
        {folder / "fifo", std::string(kNotRegularFileText), 0},
        {folder / "dangling", std::string(kMissingLinkTargetText), 0},
        {folder / "no-folder" / "file", std::nullopt, ENOENT},
        {"", std::nullopt, ENOENT},
    };
    for (const Row& row : rows) {
        const std::optional<AtomicFileFailure> failure = ReplaceFileAtomically(row.target, "x");
        ASSERT_TRUE(failure) << row.target;
        EXPECT_EQ(failure->refusal, row.refusal) << row.target;
        EXPECT_EQ(failure->systemError, row.error) << row.target;
    }
}

} // namespace
} // namespace zeft
