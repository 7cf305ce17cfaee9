#pragma once

namespace zeft::cli {

// zeftctl's exit status.
enum ExitStatus : int {
    kExitSuccess = 0,
    kExitOperationFailed = 1, // the device operation (or the save after it) failed
    kExitInvalidInput = 2,    // a validation message, a calculator check, a bad option, a file that is no regular file
    kExitPortNotOpened = 3,
    kExitDifferent = 4,     // diff, program --dry-run: the two sets of settings differ
    kExitInterrupted = 130, // Ctrl-C, SIGTERM or a hang-up (130 as shells give Ctrl-C); nothing left on
};

} // namespace zeft::cli
