#include "calc/TankHeightRange.h"

#include "seams/TextTranslation.h"

namespace zeft {

bool TankHeightInRange(long double height, bool inchUnit) {
    return inchUnit ? (height >= 3.94L && height <= 78.74L) : (height >= 100 && height <= 2000);
}

std::optional<std::string> HValueRangeRefusal(long double height, bool inchUnit) {
    if (TankHeightInRange(height, inchUnit)) {
        return std::nullopt;
    }
    return inchUnit
               ? ZEFT_TEXT("Core",
                           "Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!")
               : ZEFT_TEXT("Core", "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!");
}

} // namespace zeft
