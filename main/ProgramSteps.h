#pragma once

#include "main/SenderCommands.h"

#include <cstdint>
#include <string_view>

namespace zeft {

// What Program Device does after the n-th "Done" (n = ProgramStep): the line it adds to
// the reply display and the command it sends next. After the eighth (or any later) step
// the listing is requested for the read-back.
struct ProgramStepAction {
    std::string_view replyLine; // without the CR that ends it
    bool requestsListing;       // true: send "++++" and read the listing back
    SetCommand nextCommand;     // when requestsListing is false
};

ProgramStepAction ProgramStepAfter(std::int32_t programStep);

} // namespace zeft
