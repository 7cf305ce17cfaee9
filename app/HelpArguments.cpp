#include "app/HelpArguments.h"

#include "ZeftVersion.h"

#include <cstring>

namespace zeft::app {

namespace {

// help2man reads the sections of this text: the first line names the program, "Options:"
// starts the option list.
const char kHelp[] = "Usage: zeft [OPTION]... [QT-OPTION]...\n"
                     "Read, program and restore ultrasonic tank level senders over a serial port.\n"
                     "\n"
                     "ZEFT Programmer edits the eight settings of a tank level sender, reads them from the\n"
                     "sender, programs them into it or makes it restore its defaults, keeps them in .zcf\n"
                     "files and computes the linearisation levels of tanks that are not straight-sided.\n"
                     "It starts with the Communication Settings dialog, where the serial port is chosen;\n"
                     "the port \"ZEFT Virtual Sender\" lets it be tried without hardware.\n"
                     "\n"
                     "Options:\n"
                     "  -h, --help     print this help and exit\n"
                     "  --version      print the version and exit\n"
                     "\n"
                     "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n"
                     "The command-line tool zeftctl does the same work without a window.\n";

} // namespace

std::optional<int> AnswerHelpArguments(int argc, const char* const* argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, out);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "zeft %s\n", ZEFT_VERSION_TEXT);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace zeft::app
