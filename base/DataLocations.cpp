#include "base/DataLocations.h"

#include <string>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace zeft {

namespace {

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Whether inner lies at or below outer, both made absolute and normal first.
bool IsInside(const fs::path& inner, const fs::path& outer) {
    std::error_code error;
    const fs::path a = fs::weakly_canonical(inner, error);
    if (error) {
        return false;
    }
    const fs::path b = fs::weakly_canonical(outer, error);
    if (error || b.empty()) {
        return false;
    }
    auto ai = a.begin();
    for (auto bi = b.begin(); bi != b.end(); ++bi, ++ai) {
        if (bi->empty()) {
            continue; // a trailing separator
        }
        if (ai == a.end() || *ai != *bi) {
            return false;
        }
    }
    return true;
}

// The build tree and the source tree, set by the build for this file only.
fs::path BuildTreeSourceFolder(const fs::path& programFolder) {
#if defined(ZEFT_SOURCE_DIR) && defined(ZEFT_BINARY_DIR)
    if (IsInside(programFolder, fs::path(ZEFT_BINARY_DIR))) {
        return fs::path(ZEFT_SOURCE_DIR);
    }
#else
    (void)programFolder;
#endif
    return {};
}

} // namespace

DataLocations::DataLocations(std::vector<fs::path> roots) : roots_(std::move(roots)) {}

DataLocations DataLocations::ForThisProgram() {
    const fs::path folder = ProgramFolder();
    return DataLocations(RootsFor(folder, folder.empty() ? fs::path() : BuildTreeSourceFolder(folder)));
}

std::vector<fs::path> DataLocations::RootsFor(const fs::path& programFolder, const fs::path& sourceTree) {
    std::vector<fs::path> roots;
    if (!programFolder.empty()) {
        roots.push_back(programFolder);
        roots.push_back((programFolder / ".." / "share" / "zeft").lexically_normal());
    }
    if (!sourceTree.empty()) {
        roots.push_back(sourceTree);
    }
    roots.emplace_back(".");
    return roots;
}

fs::path DataLocations::Folder(std::string_view name) const {
    for (const fs::path& root : roots_) {
        fs::path candidate = root / fs::path(name);
        if (IsFolder(candidate)) {
            return candidate;
        }
    }
    return fs::path(name);
}

fs::path DataLocations::File(std::string_view folder, std::string_view file) const {
    return Folder(folder) / fs::path(file);
}

} // namespace zeft
