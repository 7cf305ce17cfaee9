#pragma once

#include "seams/OperationButtons.h"

#include <array>
#include <cstddef>

namespace zeft {

// The three operation buttons as plain values, their Tags and enabled states: the buttons
// of the command-line tool, and of the tests, fuzz targets and benchmarks.
class PlainOperationButtons : public OperationButtons {
public:
    int Tag(DeviceOperation button) const override { return tags.at(Index(button)); }
    void SetTag(DeviceOperation button, int tag) override { tags.at(Index(button)) = tag; }
    void SetButtonEnabled(DeviceOperation button, bool on) override { enabled.at(Index(button)) = on; }
    bool ButtonEnabled(DeviceOperation button) const { return enabled.at(Index(button)); }

    bool AllIdle() const { return tags == std::array<int, 3>{0, 0, 0}; }
    bool AllEnabled() const { return enabled == std::array<bool, 3>{true, true, true}; }
    bool NoneEnabled() const { return enabled == std::array<bool, 3>{false, false, false}; }

    static std::size_t Index(DeviceOperation button) { return static_cast<std::size_t>(button); }

    std::array<int, 3> tags{};
    std::array<bool, 3> enabled{true, true, true};
};

} // namespace zeft
