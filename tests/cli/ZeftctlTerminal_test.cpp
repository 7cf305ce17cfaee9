// zeftctl with a terminal as standard input and error output: stopped by a signal at the
// top-limit question, where the main thread waits in a read, and during an operation.
#include "tests/cli/ZeftctlRunner.h"

#include <gtest/gtest.h>

#include <csignal>

namespace zeft::cli::testing {
namespace {

struct SignalCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string signalAfter; // on the terminal
    int signal;
    std::string outputBegins;
    std::string terminalHolds;
};

void PrintTo(const SignalCase& c, std::ostream* out) {
    *out << c.name;
}

class ZeftctlSignalTest : public ::testing::TestWithParam<SignalCase> {};

TEST_P(ZeftctlSignalTest, EndsTheRunAsInterrupted) {
    const SignalCase& c = GetParam();
    const RunResult r = RunZeftctlOnTerminal(c.arguments, c.signalAfter, c.signal, std::chrono::seconds(20));
    EXPECT_EQ(r.exitCode, 130) << r.err;
    EXPECT_EQ(r.out.substr(0, c.outputBegins.size()), c.outputBegins) << r.out;
    EXPECT_NE(r.err.find(c.terminalHolds), std::string::npos) << r.err;
}

const std::string kSender = "ZEFT Virtual Sender";

INSTANTIATE_TEST_SUITE_P(
    Signals, ZeftctlSignalTest,
    ::testing::Values(
        SignalCase{"CtrlCAtTheQuestion",
                   {"program", "--port", kSender, "--top", "11"},
                   "[y/N] ",
                   SIGINT,
                   "",
                   "Error: Interrupted."},
        SignalCase{"TerminatedAtTheQuestionUnderJson",
                   {"program", "--port", kSender, "--top", "11", "--json"},
                   "[y/N] ",
                   SIGTERM,
                   "{\"error\":\"Interrupted.\"}\n",
                   "Error: Interrupted."},
        // The table from the terminal: waits in a read there.
        SignalCase{"TerminatedInACalculation", {"calc", "table", "--csv", "-"}, "", SIGTERM, "", "Error: Interrupted."},
        SignalCase{"HungUpInACalculationUnderJson",
                   {"calc", "table", "--csv", "-", "--json"},
                   "",
                   SIGHUP,
                   "{\"error\":\"Interrupted.\"}\n",
                   "Error: Interrupted."},
        SignalCase{"CtrlCWhileReading",
                   {"read", "--port", kSender + " (slow 300)"},
                   "KOV",
                   SIGINT,
                   "\nOutput Type = 0",
                   "Error: Interrupted: the sender was switched off."}),
    [](const ::testing::TestParamInfo<SignalCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace zeft::cli::testing
