#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeft {

// Looks values up by section and key in INI text that arrives in pieces, as a profile
// reader does: names match without regard to letter case and the blanks around them, a
// value is the text after the first equals sign with the blanks around it removed, cut
// to maxValueChars. The first occurrence of a key wins; a key in another section is not
// found. Memory stays bounded whatever the text holds: names longer than any wanted
// name are not kept, and a value is kept only for a wanted key.
//
// Lines end at CR, LF or a NUL byte. Lines without an equals sign, comments and unknown
// sections are ignored.
class IniLookup {
public:
    struct Key {
        std::string_view section;
        std::string_view name;
    };

    IniLookup(std::vector<Key> keys, std::size_t maxValueChars);

    void Feed(std::string_view text);
    // Ends the last line when the text has no line end after it.
    void Finish();

    bool AllFound() const { return foundCount_ == keys_.size(); }
    // The value of keys[index], or nothing when the key was not found.
    const std::optional<std::string>& Value(std::size_t index) const { return values_.at(index); }

private:
    enum class State { LineStart, Section, Key, ValueStart, Value, SkipLine };

    void Take(char c);
    void EndLine();
    void EnterSection();
    void ChooseKey();
    void AppendName(char c);

    std::vector<Key> keys_;
    std::size_t maxValueChars_;
    std::size_t maxNameChars_ = 0;
    std::vector<std::optional<std::string>> values_;
    std::size_t foundCount_ = 0;

    State state_ = State::LineStart;
    std::string name_; // section or key name being read, in small letters
    bool nameTooLong_ = false;
    std::size_t pendingBlanks_ = 0; // blanks seen but kept only if more text follows
    std::string section_;           // the current section, in small letters
    bool sectionKnown_ = false;
    std::size_t keyIndex_ = 0; // the wanted key whose value is being read
    std::string value_;
};

} // namespace zeft
