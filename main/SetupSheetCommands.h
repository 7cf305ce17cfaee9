#pragma once

#include "main/SetupSheet.h"
#include "seams/FileDialogs.h"
#include "seams/Prompts.h"
#include "seams/SettingsControls.h"

#include <functional>
#include <optional>
#include <string>

namespace zeft {

// Turns a sheet into the bytes of its file (a PDF in the program).
using SetupSheetWriter = std::function<std::string(const SetupSheetContent& sheet)>;

// File > "Save Setup Sheet...": validates the settings as Save As does, asks for a file
// name (adding ".pdf" to a name without an extension, asking before it replaces a file the
// dialog did not ask about), builds the sheet at that moment and saves it atomically. A file
// that cannot be written is reported in the application's general error box, with the texts
// Save As uses; the old file stays as it was. Returns true when the sheet was saved.
bool SaveSetupSheet(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs,
                    const std::function<SetupSheetContent()>& buildSheet, const SetupSheetWriter& write);

// Saves what a window exports (a history's CSV, a record's sheet) under the name a save
// dialog gave, by the same rules: the extension added to a name without one, a question
// before replacing a file the dialog did not ask about, an atomic write, its failure in the
// general error box. Nothing when the dialog was cancelled. Returns true when saved.
bool SaveExport(const std::optional<std::string>& name, const std::string& extension, Prompts& prompts,
                const std::function<std::string()>& contents);

} // namespace zeft
