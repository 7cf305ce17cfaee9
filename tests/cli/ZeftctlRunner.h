#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace zeft::cli::testing {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built zeftctl with the arguments and the given standard input, and collects
// what it prints. With interruptAfter, standard input stays open and the program gets
// SIGINT (Ctrl-C) once its standard output contains that text. The program is killed at
// the time limit.
RunResult RunZeftctl(const std::vector<std::string>& arguments, const std::string& input = {},
                     const std::string& interruptAfter = {}, std::chrono::seconds limit = std::chrono::seconds(60));

// The same with a terminal as standard input and error output, as a person at a shell
// has it: questions are asked there and progress is drawn. The program gets the signal
// once its error output contains interruptAfter, or with interruptAfter empty once it
// catches the signal (it waits on its terminal then, or is about to); err holds what the
// terminal showed.
RunResult RunZeftctlOnTerminal(const std::vector<std::string>& arguments, const std::string& interruptAfter, int signal,
                               std::chrono::seconds limit = std::chrono::seconds(60));

} // namespace zeft::cli::testing
