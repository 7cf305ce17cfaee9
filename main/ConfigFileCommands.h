#pragma once

#include "seams/FileDialogs.h"
#include "seams/Prompts.h"
#include "seams/SettingsControls.h"

namespace zeft {

// File › "Save &As..." (Close1Click): validates the settings (with their messages and the
// top-limit question), asks for a file name, adds ".zcf" to a name without an extension
// (asking before it replaces a file the dialog did not ask about), and saves. A file that
// cannot be written is reported in the application's general error box; the old file stays as it was.
// Returns true when the file was saved.
bool SaveSettingsAs(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs);

// File › "&Load..." (Open1Click): asks for a file and loads it into the controls. Checks
// nothing and shows no message, but for a name that is no regular file (a pipe, a device,
// a folder): that is refused in the application's general error box and the controls stay
// as they are, since reading it could block or would wipe the settings for nothing.
// Returns false when the user cancelled or the file was refused.
bool LoadSettings(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs);

} // namespace zeft
