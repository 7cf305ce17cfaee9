// The calculators' number reading and checks on arbitrary field texts. The input holds
// the shape and the options in its first two bytes and the field texts after them, separated by newlines.
// Besides not crashing (UBSan catches a float that does not fit its integer): a number
// read is finite, and a calculation that passes its checks shows whole-number levels and
// a bottom limit that the main window takes.
#include "calc/DecimalText.h"
#include "calc/LevelSet.h"
#include "calc/ShapeCalculation.h"
#include "calc/TableCalculation.h"
#include "main/PlainSettingsControls.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void CheckLevelSet(const zeft::LevelSetTexts& levelSet, bool inchUnit, char separator) {
    for (const std::string& level : levelSet.levels) {
        Check(!level.empty(), "an empty level in a result");
        Check(level.find_first_not_of("-0123456789") == std::string::npos, "a level that is no whole number");
    }
    zeft::PlainSettingsControls controls;
    Check(zeft::HandOverLevelSet(controls, levelSet, inchUnit, separator), "a bottom limit the hand-over refuses");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int shapeNumber = data[0] % 14; // 1 to 12 are shapes; 0 and 13 are not
    const std::uint8_t flags = data[1];
    const char separator = (flags & 0x80) != 0 ? ',' : '.';
    const bool inchUnit = (flags & 0x40) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < 7) {
        const std::size_t end = text.find('\n', start);
        fields.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    fields.resize(7);

    for (const std::string& field : fields) {
        if (const auto value = zeft::DecimalFromText(field, separator)) {
            Check(std::isfinite(*value), "a number read is not finite");
            zeft::FixedText(*value, 2, separator);
            zeft::VolumeText(*value, separator);
            zeft::WholeText(*value);
        }
        if (const auto value = zeft::PositiveDecimalFromText(field, separator)) {
            Check(*value > 0, "a positive number that is not");
        }
        zeft::BottomLimitMillimetreText(field, inchUnit, separator);
    }

    zeft::ShapeOptions options;
    options.shape = shapeNumber;
    options.halfTank = (flags & 0x08) != 0;
    options.reserve = (flags & 0x10) != 0;
    options.inchUnit = inchUnit;
    const zeft::ShapeEditTexts shapeTexts{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
    const zeft::ShapeCalculation shape = zeft::CalculateShape(options, shapeTexts, separator);
    if (shape.ok()) {
        CheckLevelSet(shape.levelSet, inchUnit, separator);
        Check(!shape.volume.empty(), "a shape result without a volume");
    }

    const zeft::TableEditTexts table{fields[0], fields[1], fields[2], fields[3], fields[4]};
    const zeft::TableCalculation byVolume = zeft::CalculateByVolume(table, fields[5], inchUnit, separator);
    if (byVolume.ok()) {
        CheckLevelSet(byVolume.levelSet, inchUnit, separator);
    }
    const zeft::TableCalculation byHeight = zeft::CalculateByHeight(table, inchUnit, separator);
    if (byHeight.ok()) {
        CheckLevelSet(byHeight.levelSet, inchUnit, separator);
    }
    return 0;
}
