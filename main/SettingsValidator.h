#pragma once

#include "seams/Prompts.h"
#include "seams/SettingsControls.h"

namespace zeft {

// The one check of the sender settings before they are programmed or saved. Reads the
// six edits in order, stops at the first problem and tells the user about it in an error
// box. A top limit other than 10 asks for confirmation first; a No clears the status
// panel and the reply display. Returns true when the settings may be used.
bool ValidateSettings(SettingsControls& controls, Prompts& prompts);

} // namespace zeft
