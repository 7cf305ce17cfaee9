#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace zeft {

// Which calculator window handed a level set to the main window.
enum class LevelCalculator { Shape, Volume, Height, MeasuredTable };

// What a calculator computed when the user confirmed "Save & Close": kept by the main window
// for the run so that the setup sheet can say where the levels came from.
struct LevelSource {
    LevelCalculator calculator = LevelCalculator::Shape;
    // False when the window handed over its starting values without a calculation.
    bool calculated = false;
    // The unit of the inputs and of the volume.
    bool inchUnit = false;

    // Shape calculator: the shape, its options and the dimensions it reads, as typed.
    int shape = 0;
    bool halfTank = false;
    bool reserve = false;
    // The picture the window showed for the shape (relative name, e.g. "pictures/shape3.jpg").
    std::string picture;
    std::string volume;
    // Where the sender's gauge is off the most from the true content, as text; empty when
    // the calculator does not know the tank's curve.
    std::string gaugeError;

    // Name and text of each input: the shape's dimensions or the measured table's rows.
    std::vector<std::pair<std::string, std::string>> inputs;

    // What the main window's edits received: the four levels and the bottom limit in
    // whole millimetres.
    std::array<std::string, 4> levels{"20", "40", "60", "80"};
    std::string bottomLimitMillimetres = "2000";
};

} // namespace zeft
