#pragma once

#include <optional>
#include <string>

namespace zeft {

// A tank the sender can measure is 100 to 2000 mm (3.94 to 78.74 inch) deep.
bool TankHeightInRange(long double height, bool inchUnit);

// The calculators' refusal of an H outside that range; nothing for an H inside it.
std::optional<std::string> HValueRangeRefusal(long double height, bool inchUnit);

} // namespace zeft
