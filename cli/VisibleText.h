#pragma once

#include <string>
#include <string_view>

namespace zeft::cli {

// Text as a terminal may show it: every control character but the line feed written as
// \xNN (ESC as \x1b), so that what the sender sends cannot move the cursor, clear the
// screen or retitle the window. That covers DEL and, in UTF-8, the C1 controls; other
// bytes (file names in any script) stay as they are.
std::string VisibleText(std::string_view text);

} // namespace zeft::cli
