#include "base/DataLocations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace zeft {
namespace {

class DataLocationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        base_ = fs::temp_directory_path() / ("zeft-data-" + std::string(info->name()) + "-" +
                                             std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(base_);
        fs::create_directories(base_);
    }
    void TearDown() override { fs::remove_all(base_); }

    fs::path MakeFolder(const fs::path& relative) {
        fs::create_directories(base_ / relative);
        return base_ / relative;
    }

    fs::path base_;
};

TEST_F(DataLocationsTest, InstalledProgramFindsShareZeft) {
    const fs::path bin = MakeFolder("prefix/bin");
    MakeFolder("prefix/share/zeft/pictures");
    const DataLocations locations(DataLocations::RootsFor(bin, {}));
    EXPECT_TRUE(fs::equivalent(locations.Folder("pictures"), base_ / "prefix/share/zeft/pictures"));
    EXPECT_TRUE(
        fs::equivalent(locations.File("pictures", "shape1.jpg").parent_path(), base_ / "prefix/share/zeft/pictures"));
}

TEST_F(DataLocationsTest, FolderNextToTheProgramComesFirst) {
    const fs::path bin = MakeFolder("prefix/bin");
    MakeFolder("prefix/bin/help");
    MakeFolder("prefix/share/zeft/help");
    const DataLocations locations(DataLocations::RootsFor(bin, base_ / "source"));
    EXPECT_TRUE(fs::equivalent(locations.Folder("help"), base_ / "prefix/bin/help"));
}

TEST_F(DataLocationsTest, BuildTreeFallsBackOnTheSourceTree) {
    const fs::path program = MakeFolder("build/app");
    MakeFolder("source/help");
    const DataLocations locations(DataLocations::RootsFor(program, base_ / "source"));
    EXPECT_TRUE(fs::equivalent(locations.Folder("help"), base_ / "source/help"));
}

TEST_F(DataLocationsTest, NothingFoundGivesTheBareNameForTheCurrentDirectory) {
    const DataLocations locations(DataLocations::RootsFor(MakeFolder("bin"), {}));
    EXPECT_EQ(locations.Folder("no-such-folder-here"), fs::path("no-such-folder-here"));
    EXPECT_EQ(locations.File("no-such-folder-here", "a.jpg"), fs::path("no-such-folder-here") / "a.jpg");
}

TEST_F(DataLocationsTest, AFileIsNotTakenForAFolder) {
    const fs::path bin = MakeFolder("prefix/bin");
    std::ofstream(bin / "pictures") << "not a folder";
    MakeFolder("prefix/share/zeft/pictures");
    const DataLocations locations(DataLocations::RootsFor(bin, {}));
    EXPECT_TRUE(fs::equivalent(locations.Folder("pictures"), base_ / "prefix/share/zeft/pictures"));
}

TEST(ProgramFolderTest, IsTheFolderOfThisTestProgram) {
    const fs::path folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
#ifdef _WIN32
    EXPECT_TRUE(fs::exists(folder / "zeft_main_tests.exe"));
#else
    EXPECT_TRUE(fs::exists(folder / "zeft_main_tests"));
#endif
}

TEST(ProgramFolderTest, FromTheBuildTreeFindsTheSourceTreeHelp) {
#ifdef ZEFT_CROSS_BUILT_TESTS
    GTEST_SKIP() << "a cross-built program knows the source tree by the build machine's path";
#endif
    // The test runs from the build tree, so the source tree's data folders are found
    // whatever the current directory is.
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    const DataLocations locations = DataLocations::ForThisProgram();
    const fs::path help = locations.Folder("help");
    fs::current_path(before);
    EXPECT_TRUE(help.is_absolute()) << help;
    EXPECT_TRUE(fs::exists(help / "index.html")) << help;
}

} // namespace
} // namespace zeft
