#pragma once

#include <cstddef>
#include <string_view>

namespace zeft {

// Recognises one reply word ("KOV", "Done", "In") a character at a time, as the sender's
// replies are matched: a character that does not continue the word starts the match
// again from the first letter with the next character; the failing character is not
// looked at again. So "KKOV" is not an identification, while "xKOV" is.
class WordMatcher {
public:
    explicit WordMatcher(std::string_view word) : word_(word) {}

    // Feeds one character; true when it completes the word (the matcher then starts over).
    bool Feed(char c);

    // Letters of the word matched so far.
    std::size_t Matched() const { return matched_; }
    void Reset() { matched_ = 0; }

private:
    std::string_view word_;
    std::size_t matched_ = 0;
};

} // namespace zeft
