#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// Why a save refuses its target; both leave whatever stands there as it is.
inline constexpr std::string_view kNotRegularFileText = "Not a regular file.";
inline constexpr std::string_view kMissingLinkTargetText = "The link leads to a missing file.";

// The file a save replaces: the one named, or the one a symbolic link leads to (replaced in
// its own folder, so that the link stays). Only a regular file or a new name may be written:
// a pipe, a device, a socket or a folder would be destroyed by the rename (or block a
// writer), and a link into nowhere would be replaced by a file of its own.
struct SaveTarget {
    std::filesystem::path file;
    std::optional<std::string> refusal; // set: nothing may be written
};

// Failures to look at the path (a missing folder, a file where a folder should be) are left
// to the save itself, which reports them with the system's error.
SaveTarget ResolveSaveTarget(const std::filesystem::path& requested);

} // namespace zeft
