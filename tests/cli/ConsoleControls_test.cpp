#include "cli/ConsoleControls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace zeft::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

// The reply display echoed on a terminal as it grows: line breaks kept, the sender's
// escape sequences shown rather than obeyed.
TEST(ConsoleControlsTest, EchoesTheReplyWithControlCharactersEscaped) {
    const std::unique_ptr<std::FILE, FileCloser> progress(std::tmpfile());
    ConsoleControls controls(progress.get());
    controls.AppendReplyText("KOV\r\n\x1b]0;owned\x07");
    controls.SetReplyText(controls.ReplyText() + "\x1b[2J");
    EXPECT_EQ(Contents(progress.get()), "KOV\n\n\\x1b]0;owned\\x07\\x1b[2J");
    EXPECT_EQ(controls.ReplyText(), "KOV\r\n\x1b]0;owned\x07\x1b[2J") << "the display itself keeps what came";
}

} // namespace
} // namespace zeft::cli
