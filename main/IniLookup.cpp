#include "main/IniLookup.h"

#include "base/AsciiLower.h"

#include <algorithm>
#include <utility>

namespace zeft {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

bool SameName(std::string_view lowered, std::string_view wanted) {
    return lowered.size() == wanted.size() && std::equal(lowered.begin(), lowered.end(), wanted.begin(),
                                                         [](char a, char b) { return a == AsciiLower(b); });
}

} // namespace

IniLookup::IniLookup(std::vector<Key> keys, std::size_t maxValueChars)
    : keys_(std::move(keys)), maxValueChars_(maxValueChars), values_(keys_.size()) {
    for (const Key& key : keys_) {
        maxNameChars_ = std::max({maxNameChars_, key.section.size(), key.name.size()});
    }
}

void IniLookup::Feed(std::string_view text) {
    for (char c : text) {
        Take(c);
    }
}

void IniLookup::Finish() {
    EndLine();
}

void IniLookup::AppendName(char c) {
    if (IsBlank(c)) {
        ++pendingBlanks_;
        return;
    }
    if (!name_.empty() && pendingBlanks_ > 0) {
        if (name_.size() + pendingBlanks_ > maxNameChars_) {
            nameTooLong_ = true;
        } else {
            name_.append(pendingBlanks_, ' ');
        }
    }
    pendingBlanks_ = 0;
    if (name_.size() >= maxNameChars_) {
        nameTooLong_ = true;
    }
    if (!nameTooLong_) {
        name_.push_back(AsciiLower(c));
    }
}

void IniLookup::Take(char c) {
    if (IsLineEnd(c)) {
        EndLine();
        return;
    }
    switch (state_) {
    case State::LineStart:
        if (IsBlank(c)) {
            return;
        }
        name_.clear();
        nameTooLong_ = false;
        pendingBlanks_ = 0;
        if (c == '[') {
            state_ = State::Section;
        } else if (c == '=') {
            ChooseKey(); // an empty key name: matches nothing
        } else {
            state_ = State::Key;
            AppendName(c);
        }
        return;
    case State::Section:
        if (c == ']') {
            EnterSection();
            state_ = State::SkipLine;
        } else {
            AppendName(c);
        }
        return;
    case State::Key:
        if (c == '=') {
            ChooseKey();
        } else {
            AppendName(c);
        }
        return;
    case State::ValueStart:
        if (IsBlank(c)) {
            return;
        }
        state_ = State::Value;
        value_.clear();
        pendingBlanks_ = 0;
        [[fallthrough]];
    case State::Value:
        if (IsBlank(c)) {
            ++pendingBlanks_;
            return;
        }
        if (pendingBlanks_ > 0) {
            value_.append(std::min(pendingBlanks_, maxValueChars_ - value_.size()), ' ');
            pendingBlanks_ = 0;
        }
        if (value_.size() < maxValueChars_) {
            value_.push_back(c);
        }
        return;
    case State::SkipLine:
        return;
    }
}

void IniLookup::EnterSection() {
    section_ = nameTooLong_ ? std::string() : name_;
    sectionKnown_ = !nameTooLong_ && std::any_of(keys_.begin(), keys_.end(),
                                                 [this](const Key& key) { return SameName(section_, key.section); });
}

void IniLookup::ChooseKey() {
    state_ = State::SkipLine;
    if (!sectionKnown_ || nameTooLong_) {
        return;
    }
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (!values_[i] && SameName(section_, keys_[i].section) && SameName(name_, keys_[i].name)) {
            keyIndex_ = i;
            value_.clear();
            state_ = State::ValueStart;
            return;
        }
    }
}

void IniLookup::EndLine() {
    switch (state_) {
    case State::Section:
        EnterSection(); // no closing bracket: the rest of the line names the section
        break;
    case State::ValueStart:
    case State::Value:
        values_[keyIndex_] = std::move(value_);
        value_.clear();
        ++foundCount_;
        break;
    default:
        break;
    }
    state_ = State::LineStart;
}

} // namespace zeft
