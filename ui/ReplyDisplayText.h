#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeft::ui {

// What the reply display shows of the reply: CR, LF and CR LF end lines, other control
// characters are left out, and only what fits the display's panel is kept (so many
// lines, so many characters per line). Built as the reply grows, one character at a
// time, so that a long burst of noise costs the same per character however long the
// reply already is: once the panel is full, nothing more changes.
class ReplyDisplayText {
public:
    ReplyDisplayText(std::size_t maxLines, std::size_t maxColumns) : maxLines_(maxLines), maxColumns_(maxColumns) {}

    // Starts again from an empty reply.
    void Clear();
    // Adds received bytes; true when the shown text changed.
    bool Append(std::string_view bytes);
    const std::string& Text() const { return shown_; }

private:
    bool Add(char c);

    std::size_t maxLines_;
    std::size_t maxColumns_;
    std::string shown_;
    std::size_t lines_ = 1;
    std::size_t column_ = 0;
    bool afterCr_ = false;
};

} // namespace zeft::ui
