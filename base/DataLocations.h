#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace zeft {

// Finds the program's data folders (pictures/, help/) wherever the program was started
// from. The folders are looked for, in this order, under each root:
//   1. the folder of the program file (a portable copy, or the Windows layout),
//   2. <program folder>/../share/zeft (an installed program, bin/ next to share/),
//   3. the source tree, when the program runs from the build tree it was built in,
//   4. the current directory (where the pictures always were looked for).
class DataLocations {
public:
    explicit DataLocations(std::vector<std::filesystem::path> roots);

    // The roots for the running program, from the location of its program file.
    static DataLocations ForThisProgram();

    // The roots for a program file in programFolder. sourceTree is the source tree to
    // fall back on when the program runs from its build tree, else empty.
    static std::vector<std::filesystem::path> RootsFor(const std::filesystem::path& programFolder,
                                                       const std::filesystem::path& sourceTree);

    // The first root's folder of that name that exists, else the bare name (relative to
    // the current directory, so that a failing open names what it looked for).
    std::filesystem::path Folder(std::string_view name) const;

    // A file inside such a folder: Folder(folder) / file.
    std::filesystem::path File(std::string_view folder, std::string_view file) const;

    const std::vector<std::filesystem::path>& Roots() const { return roots_; }

private:
    std::vector<std::filesystem::path> roots_;
};

// The folder that holds the running program file; empty when the system cannot say.
std::filesystem::path ProgramFolder();

} // namespace zeft
