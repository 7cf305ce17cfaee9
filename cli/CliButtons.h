#pragma once

#include "main/OperationButtons.h"

#include <array>
#include <cstddef>

namespace zeft::cli {

// The three operation buttons without a window: their Tags and enabled states.
class CliButtons : public OperationButtons {
public:
    int Tag(OperationButton button) const override { return tags_.at(Index(button)); }
    void SetTag(OperationButton button, int tag) override { tags_.at(Index(button)) = tag; }
    void SetButtonEnabled(OperationButton button, bool enabled) override { enabled_.at(Index(button)) = enabled; }
    bool ButtonEnabled(OperationButton button) const { return enabled_.at(Index(button)); }

private:
    static std::size_t Index(OperationButton button) { return static_cast<std::size_t>(button); }

    std::array<int, 3> tags_{};
    std::array<bool, 3> enabled_{true, true, true};
};

} // namespace zeft::cli
