#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// Replaces the file at target with contents, or leaves it exactly as it was. The data go
// to a temporary file in the target's folder, are flushed to the disk, and only then is
// the temporary file renamed over the target and the folder flushed. When any step fails,
// the temporary file is removed and the old file stays intact. A symbolic link is
// followed, so the file it points to is replaced. An existing file keeps its permissions
// (its attributes on Windows); one the user may not write (read-only on Windows) is
// refused, as opening it would be. Anything but a regular file or a new name is refused
// (see SaveTarget.h). Temporary files that a killed save of the same name left behind are
// removed first.
//
// In a folder where no new file may be created but the file itself may be written, the
// file is rewritten in place instead; should that write fail, its old bytes are put back.

struct AtomicFileOptions {
    // The file ends up readable and writable by its owner only, whatever it was before.
    bool ownerOnly = false;
};

// Why a replacement failed: what stands at the name was refused (refusal, the text of
// SaveTarget.h), or the system failed with systemError (errno, or GetLastError on Windows).
struct AtomicFileFailure {
    std::optional<std::string> refusal;
    unsigned long systemError = 0;
};

// Nothing on success.
std::optional<AtomicFileFailure> ReplaceFileAtomically(const std::filesystem::path& target, std::string_view contents,
                                                       AtomicFileOptions options = {});

// The same with the failure in the user's words (see FileErrorText.h); nothing on success.
std::optional<std::string> SaveFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace zeft
