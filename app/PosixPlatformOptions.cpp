#include "app/PlatformOptions.h"

namespace zeft::app {

// The desktop's own defaults serve on Linux.
void ChoosePlatformOptions() {}

} // namespace zeft::app
