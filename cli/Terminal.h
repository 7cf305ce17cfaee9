#pragma once

namespace zeft::cli {

// Whether a person sits at the other end: questions are asked and Enter is awaited only
// on a terminal, and progress is drawn only there.
bool StandardInputIsTerminal();
bool StandardErrorIsTerminal();

} // namespace zeft::cli
