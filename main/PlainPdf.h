#pragma once

#include <string>
#include <vector>

namespace zeft {

// A PDF of plain lines in one monospace font (Courier, which every PDF reader has), on A4
// pages: what zeftctl writes where the program draws with Qt. Texts are UTF-8; characters
// outside Latin-1 print as '?'.
class PlainPdf {
public:
    // Characters a line holds at the body size.
    static constexpr std::size_t kColumns = 80;

    void Line(const std::string& text, bool bold = false);
    // A line twice the body size, for the title.
    void Heading(const std::string& text);
    void Blank() { Line(std::string()); }
    // A rule across the page under the last line.
    void Rule();
    // The next line starts a new page when fewer than lines lines are left on this one.
    void KeepTogether(std::size_t lines);

    // The whole file.
    std::string Bytes(const std::string& title) const;

private:
    struct Item {
        enum Kind { Text, Bold, Big, Rule } kind;
        std::string text;
    };
    std::vector<std::vector<Item>> pages_{{}};
    double used_ = 0; // points used on the last page
};

} // namespace zeft
