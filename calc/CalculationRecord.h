#pragma once

#include "calc/ShapeCalculation.h"
#include "calc/TableCalculation.h"
#include "seams/LevelSource.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zeft {

// The picture of a shape as the shape calculator shows it ("pictures/shape3h.jpg").
std::string ShapePictureName(int shape, bool halfTank);

// What a successful shape calculation was made from: the shape, its options, the
// dimensions it reads (X and H, then W, Y, Z, X1, X2 as the shape needs them) and its volume.
LevelSource ShapeCalculationRecord(const ShapeOptions& options, const ShapeEditTexts& texts,
                                   const ShapeCalculation& result);

// The same for the volume and height calculators: each input's caption and text.
LevelSource TableCalculationRecord(LevelCalculator calculator, std::vector<std::pair<std::string, std::string>> inputs,
                                   bool inchUnit);

// The record of a confirmed hand-over: the last calculation of this opening (or none, when
// the window's starting values went over), with the level set as it was handed over.
LevelSource HandedOverRecord(LevelCalculator calculator, const std::optional<LevelSource>& lastCalculation,
                             const LevelSetTexts& handedOver, bool inchUnit, char decimalSeparator);

} // namespace zeft
