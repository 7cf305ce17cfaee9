#include "calc/ShapeCalculation.h"

#include "calc/DecimalText.h"
#include "calc/TankGeometry.h"
#include "calc/TankHeightRange.h"
#include "calc/VesselGeometry.h"
#include "seams/TextTranslation.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace zeft {
namespace {

ShapeCalculation Failure(std::string message) {
    ShapeCalculation result;
    result.error = std::move(message);
    return result;
}

// The relation between the entered widths that the shape needs; empty when it holds.
std::string RelationError(int shape, bool half, const TankDimensions& d) {
    switch (shape) {
    case 1:
        if (half) {
            return d.x > d.x1 + d.z ? "" : "X value cannot be smaller than or equal to the sum of X1 and Z!";
        }
        return d.x > 2 * d.x1 + d.z ? "" : "X value cannot be smaller than or equal to the sum of two X1 and one Z!";
    case 2:
    case 5:
    case 8:
    case 9:
        return d.z < d.x ? "" : "Z value must be smaller than X value!";
    case 3:
        if (half) {
            return d.x1 < d.x ? "" : "X1 value must be smaller than X value!";
        }
        return d.x > 2 * d.x1 ? "" : "Two X1 value must be smaller than X value!";
    case 10:
        if (half) {
            return d.x > d.x2 + d.z ? "" : "X value cannot be smaller than or equal to the sum of X2 and Z!";
        }
        return d.x > 2 * d.x2 + d.z ? "" : "X value cannot be smaller than or equal to the sum of two X2 and one Z!";
    case 11:
        if (half) {
            return d.x > d.x1 + d.x2 + d.z ? "" : "X value cannot be smaller than or equal to the sum of X1, X2 and Z!";
        }
        return d.x > 2 * d.x1 + 2 * d.x2 + d.z
                   ? ""
                   : "X value cannot be smaller than or equal to the sum of two X1, two X2 and one Z!";
    case 4:
    case 6:
    case 7:
    case 12:
        return "";
    default:
        // The vessels need no relation beyond Y below H, checked for every shape.
        return IsVesselShape(shape) ? "" : "Invalid Shape Number!";
    }
}

// Dimensions near the top of the number range overflow the areas. Only X (and the widths
// it bounds) reach the levels and the bottom limit; the volume also grows with W.
std::string OverflowError(int shape, const ShapeResult& result) {
    bool levelsFinite = std::isfinite(result.bottomLimit);
    for (const long double level : result.levels) {
        levelsFinite = levelsFinite && std::isfinite(level);
    }
    if (!levelsFinite || (!ShapeReadsOf(shape).w && !std::isfinite(result.volume))) {
        return "Invalid input for X value!";
    }
    return std::isfinite(result.volume) ? "" : "Invalid input for W value!";
}

} // namespace

ShapeCalculation CalculateShape(const ShapeOptions& options, const ShapeEditTexts& texts, char sep) {
    TankDimensions entered;
    const ShapeReads reads = ShapeReadsOf(options.shape);
    if (reads.x) {
        const auto x = PositiveDecimalFromText(texts.x, sep);
        if (!x) {
            return Failure(ZEFT_TEXT("Core", "Invalid input for X value!"));
        }
        entered.x = *x;
    }
    const auto h = PositiveDecimalFromText(texts.h, sep);
    if (!h) {
        return Failure(ZEFT_TEXT("Core", "Invalid input for H value!"));
    }
    entered.h = *h;
    if (std::optional<std::string> refusal = HValueRangeRefusal(entered.h, options.inchUnit)) {
        return Failure(std::move(*refusal));
    }
    if (reads.w) {
        const auto w = PositiveDecimalFromText(texts.w, sep);
        if (!w) {
            return Failure(ZEFT_TEXT("Core", "Invalid input for W value!"));
        }
        entered.w = *w;
    }

    struct OwnEdit {
        bool read;
        const std::string& text;
        long double& value;
        const char* message;
    };
    const OwnEdit ownEdits[] = {
        {reads.y, texts.y, entered.y, "Invalid input for Y value!"},
        {reads.z, texts.z, entered.z, "Invalid input for Z value!"},
        {reads.x1, texts.x1, entered.x1, "Invalid input for X1 value!"},
        {reads.x2, texts.x2, entered.x2, "Invalid input for X2 value!"},
    };
    for (const OwnEdit& edit : ownEdits) {
        if (!edit.read) {
            continue;
        }
        const auto value = PositiveDecimalFromText(edit.text, sep);
        if (!value) {
            return Failure(edit.message);
        }
        edit.value = *value;
    }
    if (std::string relation = RelationError(options.shape, options.halfTank, entered); !relation.empty()) {
        return Failure(std::move(relation));
    }
    if (!(entered.h - entered.y > 0)) {
        return Failure(ZEFT_TEXT("Core", "Y value cannot be equal or greater than H value!"));
    }

    // The cylinder gives its bottom limit in whole millimetres, the other shapes with two
    // decimals.
    const bool cylinder = options.shape == kCylinderShape;
    ShapeResult computed;
    if (cylinder) {
        computed = CalculateCylinder(options.reserve, entered.h, entered.x, options.inchUnit);
    } else if (IsVesselShape(options.shape)) {
        computed = CalculateVessel(options.shape, entered, options.reserve, options.inchUnit);
    } else {
        const TankDimensions d = DeriveShapeDimensions(options.shape, options.halfTank, entered);
        computed = CalculateProfile(d, options.halfTank, options.reserve, options.inchUnit);
    }
    if (std::string overflow = OverflowError(options.shape, computed); !overflow.empty()) {
        return Failure(std::move(overflow));
    }
    ShapeCalculation result;
    result.dimensions = entered;
    result.volume = VolumeText(computed.volume, sep);
    result.levelSet.bottomLimit = cylinder ? WholeText(computed.bottomLimit) : FixedText(computed.bottomLimit, 2, sep);
    for (std::size_t i = 0; i < 4; ++i) {
        result.levelSet.levels[i] = WholeText(computed.levels[i]);
    }
    return result;
}

} // namespace zeft
