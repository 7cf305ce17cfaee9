#include "cli/Terminal.h"

#include <unistd.h>

namespace zeft::cli {

bool StandardInputIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

} // namespace zeft::cli
