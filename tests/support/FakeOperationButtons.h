#pragma once

#include "main/OperationButtons.h"

#include <array>
#include <cstddef>

namespace zeft::testing {

// The three operation buttons as plain values: Tags and enabled states.
class FakeOperationButtons : public OperationButtons {
public:
    int Tag(OperationButton button) const override { return tags[Index(button)]; }
    void SetTag(OperationButton button, int tag) override { tags[Index(button)] = tag; }
    void SetButtonEnabled(OperationButton button, bool on) override { enabled[Index(button)] = on; }

    bool AllIdle() const { return tags == std::array<int, 3>{0, 0, 0}; }
    bool AllEnabled() const { return enabled == std::array<bool, 3>{true, true, true}; }
    bool NoneEnabled() const { return enabled == std::array<bool, 3>{false, false, false}; }

    static std::size_t Index(OperationButton button) { return static_cast<std::size_t>(button); }

    std::array<int, 3> tags{};
    std::array<bool, 3> enabled{true, true, true};
};

} // namespace zeft::testing
