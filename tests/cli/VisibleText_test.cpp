#include "cli/VisibleText.h"

#include <gtest/gtest.h>

namespace zeft::cli {
namespace {

TEST(VisibleTextTest, EscapesWhatATerminalWouldObeyAndNothingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b]0;owned\x07\x1b[2J", "\\x1b]0;owned\\x07\\x1b[2J"},
        {std::string("a\0b\tc\r", 6), "a\\x00b\\x09c\\x0d"},
        {"line\nnext", "line\nnext"},
        {"\x7f", "\\x7f"},
        {"\xc2\x9b"
         "2J",
         "\\xc2\\x9b2J"},                                                                   // CSI as a UTF-8 C1 control
        {"\xd0\xb1\xd0\xb0\xd0\xba.zcf \xc2\xa0", "\xd0\xb1\xd0\xb0\xd0\xba.zcf \xc2\xa0"}, // "бак", no-break space
        {"\xc2", "\xc2"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(VisibleText(text), shown);
    }
}

} // namespace
} // namespace zeft::cli
