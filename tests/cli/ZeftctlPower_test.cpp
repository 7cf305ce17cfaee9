// zeftctl power by the virtual sender's own port name, the one line here whose RTS powers
// the sender; a pseudo-terminal has none (the shared device table says what power does there).
#include "tests/cli/ZeftctlRunner.h"

#include <gtest/gtest.h>

namespace zeft::cli::testing {
namespace {

TEST(ZeftctlPowerTest, PowersUntilTheEndAndSwitchesOff) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        const char* interruptAfter;
    } rows[] = {
        {"for a second", {"power", "--port", "ZEFT Virtual Sender", "--seconds", "1"}, ""},
        {"until the input ends", {"power", "--port", "ZEFT Virtual Sender"}, ""},
        {"until Ctrl-C", {"power", "--port", "ZEFT Virtual Sender"}, "Power is ON"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RunResult r = RunZeftctl(row.arguments, "", row.interruptAfter);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "Power is ON\nPower is OFF\n");
    }
}

} // namespace
} // namespace zeft::cli::testing
