#pragma once

#include <optional>
#include <string>

namespace zeft {

// The open and save dialogs for configuration files. Both offer the filter
// "ZEFT Config Files (*.zcf)" first, then all files. Both return the name exactly as the
// user chose it, with no extension added: the save dialog asks before it replaces that
// file, and Save As adds ".zcf" itself (and asks about the longer name). An empty result
// means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<std::string> AskSaveConfigPath() = 0;
    virtual std::optional<std::string> AskOpenConfigPath() = 0;
    // The save dialog for a setup sheet: filter "PDF Files (*.pdf)", the same rules otherwise.
    virtual std::optional<std::string> AskSaveSetupSheetPath() = 0;
};

} // namespace zeft
