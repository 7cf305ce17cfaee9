#pragma once

#include <optional>
#include <string>

namespace zeft {

// The open and save dialogs for configuration files. Both offer the filter
// "ZEFT Config Files (*.zcf)" first and "All Files (*.*)"; the save dialog adds the
// default extension "zcf" to a name typed without one and asks before it replaces an
// existing file. An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<std::string> AskSaveConfigPath() = 0;
    virtual std::optional<std::string> AskOpenConfigPath() = 0;
};

} // namespace zeft
