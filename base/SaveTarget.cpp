#include "base/SaveTarget.h"

namespace fs = std::filesystem;

namespace zeft {

SaveTarget ResolveSaveTarget(const fs::path& requested) {
    std::error_code error;
    const fs::file_status own = fs::symlink_status(requested, error);
    if (error || own.type() == fs::file_type::not_found || own.type() == fs::file_type::regular) {
        return {requested, std::nullopt};
    }
    if (own.type() != fs::file_type::symlink) {
        return {requested, std::string(kNotRegularFileText)};
    }
    const fs::path resolved = fs::canonical(requested, error);
    if (error) {
        return {requested, std::string(kMissingLinkTargetText)};
    }
    if (!fs::is_regular_file(resolved, error)) {
        return {requested, std::string(kNotRegularFileText)};
    }
    return {resolved, std::nullopt};
}

} // namespace zeft
