#include "main/WordMatcher.h"

namespace zeft {

bool WordMatcher::Feed(char c) {
    if (word_.empty()) {
        return false;
    }
    if (c != word_[matched_]) {
        matched_ = 0;
        return false;
    }
    if (++matched_ < word_.size()) {
        return false;
    }
    matched_ = 0;
    return true;
}

} // namespace zeft
