#include "calc/CalculationRecord.h"

#include "calc/TankContent.h"
#include "calc/TankShape.h"

namespace zeft {

std::string ShapePictureName(int shape, bool halfTank) {
    return "pictures/shape" + std::to_string(shape) + (halfTank ? "h" : "") + ".jpg";
}

LevelSource ShapeCalculationRecord(const ShapeOptions& options, const ShapeEditTexts& texts,
                                   const ShapeCalculation& result) {
    LevelSource record;
    record.calculator = LevelCalculator::Shape;
    record.calculated = true;
    record.inchUnit = options.inchUnit;
    record.shape = options.shape;
    // Only the prisms have a half-tank form; the window unchecks the box for the others.
    record.halfTank = options.halfTank && HasHalfTank(options.shape);
    record.reserve = options.reserve;
    record.picture = ShapePictureName(options.shape, record.halfTank);
    record.volume = result.volume + (options.inchUnit ? " US gallons" : " litres");
    const ShapeReads reads = ShapeReadsOf(options.shape);
    if (reads.x) {
        record.inputs.emplace_back("X", texts.x);
    }
    record.inputs.emplace_back("H", texts.h);
    const std::pair<bool, std::pair<const char*, const std::string*>> optional[] = {{reads.w, {"W", &texts.w}},
                                                                                    {reads.y, {"Y", &texts.y}},
                                                                                    {reads.z, {"Z", &texts.z}},
                                                                                    {reads.x1, {"X1", &texts.x1}},
                                                                                    {reads.x2, {"X2", &texts.x2}}};
    for (const auto& [read, entry] : optional) {
        if (read) {
            record.inputs.emplace_back(entry.first, *entry.second);
        }
    }
    if (result.ok() && result.dimensions.h > 0) {
        const TankContent content(options.shape, options.halfTank, options.reserve, options.inchUnit,
                                  result.dimensions);
        record.gaugeError = GaugeErrorText(content.LargestGaugeError(), content.height(), options.inchUnit);
    }
    return record;
}

LevelSource TableCalculationRecord(LevelCalculator calculator, std::vector<std::pair<std::string, std::string>> inputs,
                                   bool inchUnit) {
    LevelSource record;
    record.calculator = calculator;
    record.calculated = true;
    record.inchUnit = inchUnit;
    record.inputs = std::move(inputs);
    return record;
}

LevelSource HandedOverRecord(LevelCalculator calculator, const std::optional<LevelSource>& lastCalculation,
                             const LevelSetTexts& handedOver, bool inchUnit, char decimalSeparator) {
    LevelSource record;
    if (lastCalculation && lastCalculation->calculator == calculator) {
        record = *lastCalculation;
    } else {
        record.inchUnit = inchUnit;
    }
    record.calculator = calculator;
    // A unit toggle after the calculation puts the default bottom limit back: the record
    // keeps the calculation's inputs but tells what went over.
    record.levels = handedOver.levels;
    record.bottomLimitMillimetres =
        BottomLimitMillimetreText(handedOver.bottomLimit, inchUnit, decimalSeparator).value_or(std::string());
    return record;
}

} // namespace zeft
