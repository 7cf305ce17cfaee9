// The port doctor's quoting, proven by a real POSIX shell: a name that anybody on the machine
// may choose comes out of the shell as the same bytes, and never runs.
#include "serial/PortDoctorShell.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

namespace zeft {
namespace {

namespace fs = std::filesystem;

// What sh prints running script in folder.
std::string RunShell(const testing::TempFolder& folder, const std::string& script) {
    const fs::path file = folder.Write("script.sh", script);
    FILE* pipe = popen(("cd '" + folder.Path().string() + "' && sh ./script.sh 2>&1").c_str(), "r");
    std::string out;
    if (pipe == nullptr) {
        return "no shell";
    }
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    pclose(pipe);
    return out;
}

bool HasControl(const std::string& text, bool lineFeedToo) {
    return std::any_of(text.begin(), text.end(),
                       [lineFeedToo](char c) {
                           const auto byte = static_cast<unsigned char>(c);
                           return (byte < 0x20 && (lineFeedToo || byte != '\n')) || byte == 0x7f;
                       }) ||
           text.find("\xc2\x9b") != std::string::npos;
}

const char* const kHostileNames[] = {
    "x$(touch PWNED)",
    "`touch PWNED`",
    "it's \"quoted\" ''",
    "two\nlines; touch PWNED",
    "sp ace\tand tab ",
    "-rf --no-preserve-root",
    "\x1b]0;title\x07\x1b[2J",
    "\xc2\x9bK erased line",
    "back\\slash \\' $HOME ${PATH} !x * ?",
    "",
};

class HostileNameTest : public ::testing::TestWithParam<const char*> {};

TEST_P(HostileNameTest, ComesOutOfTheShellAsItWent) {
    const std::string name = GetParam();
    testing::TempFolder folder;
    const std::string quoted = ShellQuoted(name);
    EXPECT_FALSE(HasControl(quoted, false)) << quoted;
    EXPECT_EQ(RunShell(folder, "printf '%s|' " + quoted + "\n"), name + "|") << quoted;
    // As a path operand it never reads as an option.
    const std::string path = name.rfind('-', 0) == 0 ? "./" + name : name;
    EXPECT_EQ(RunShell(folder, "printf '%s|' " + ShellPath(name) + "\n"), path + "|");
    // In a comment it stays in the comment.
    const std::string comment = CommentText(name);
    EXPECT_FALSE(HasControl(comment, true)) << comment;
    EXPECT_EQ(RunShell(folder, "# " + comment + "\nprintf done\n"), "done");
    EXPECT_FALSE(fs::exists(folder / "PWNED"));
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNameTest, ::testing::ValuesIn(kHostileNames));

} // namespace
} // namespace zeft
