#pragma once

namespace zeft::app {

// Chooses options of Qt's platform plugin for this system before the application object
// is made; the user's own QT_QPA_PLATFORM is left as it is.
void ChoosePlatformOptions();

} // namespace zeft::app
