#pragma once

#include <filesystem>
#include <string>

namespace zeft::cli {

// A file name from the command line, which comes in the process's code page: UTF-8 where
// the manifest takes effect on Windows, else the ANSI one; bytes as they are elsewhere.
std::filesystem::path PathFromCommandLine(const std::string& text);

// While it exists, the console shows text in the code page the program's file names come
// in. The product's own texts are ASCII and look the same in any code page; a file name
// given on the command line is not, and on Windows it arrives in the ANSI code page while
// a console shows the OEM one. The console's own page comes back at the end. Nothing to
// do where the terminal and the file names share one encoding.
class ConsoleCodePage {
public:
    ConsoleCodePage();
    ~ConsoleCodePage();
    ConsoleCodePage(const ConsoleCodePage&) = delete;
    ConsoleCodePage& operator=(const ConsoleCodePage&) = delete;

private:
    unsigned previous_ = 0; // 0: left as it was
};

} // namespace zeft::cli
