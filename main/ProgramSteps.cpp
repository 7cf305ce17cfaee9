#include "main/ProgramSteps.h"

#include <array>
#include <cstddef>

namespace zeft {
namespace {

constexpr std::array<std::string_view, kSetCommandCount> kReplyLines = {
    "Output Type Updated", "Fluid Type Updated", "Top Limit Updated", "Bottom Limit Updated",
    "Level A Updated",     "Level B Updated",    "Level C Updated",   "Level D Updated"};

} // namespace

ProgramStepAction ProgramStepAfter(std::int32_t programStep) {
    // Step 0 cannot occur (the "e" of "Done" counts first); treat it like step 1.
    const std::int32_t step = programStep < 1 ? 1 : programStep;
    if (step >= kSetCommandCount) {
        return {kReplyLines.back(), true, SetCommand::LevelD};
    }
    return {kReplyLines.at(static_cast<std::size_t>(step - 1)), false, static_cast<SetCommand>(step)};
}

} // namespace zeft
