#include "calc/DecimalText.h"
#include "calc/ShapeCalculation.h"
#include "calc/TankContent.h"
#include "calc/TorisphericalHead.h"
#include "calc/VesselGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace zeft {
namespace {

constexpr double kPi = std::numbers::pi;

// The reference: the vessel cut into thin horizontal slices, each slice's area worked out
// from the vessel's drawing, not from the code's formulas.
using SliceArea = std::function<double(double z)>; // area of the horizontal section at height z

// Radius of a DIN 28011 head of diameter 1 at the distance x from its tangent line: crown
// radius 1, knuckle radius 0.1, the two arcs tangent where they meet.
double DinHeadRadius(double x) {
    const double crownCentre = -std::sqrt(0.9 * 0.9 - 0.4 * 0.4);
    const double joint = -crownCentre * 0.1 / 0.9;
    if (x <= joint) {
        return 0.4 + std::sqrt(0.01 - x * x);
    }
    return std::sqrt(std::max(0.0, 1 - (x - crownCentre) * (x - crownCentre)));
}
const double kDinHeadDepth = 1 - std::sqrt(0.9 * 0.9 - 0.4 * 0.4);

// Horizontal section of one DIN head of diameter d, u above its axis.
double DinHeadSection(double d, double u) {
    constexpr int kSlices = 1000;
    double sum = 0;
    for (int i = 0; i < kSlices; ++i) {
        const double rho = DinHeadRadius((i + 0.5) * kDinHeadDepth / kSlices) * d;
        sum += 2 * std::sqrt(std::max(0.0, rho * rho - u * u));
    }
    return sum * kDinHeadDepth * d / kSlices;
}

SliceArea ReferenceSection(int shape, double x, double h, double w, double y) {
    const double r = h / 2;
    const auto chord = [r](double z) { return 2 * std::sqrt(std::max(0.0, r * r - (z - r) * (z - r))); };
    const auto disc = [r](double z) { return kPi * std::max(0.0, r * r - (z - r) * (z - r)); };
    switch (shape) {
    case 13:
        return [=](double z) { return x * w * chord(z) / h; };
    case 14:
        return [=](double z) { return x * chord(z) + disc(z); };
    case 15:
        return [=](double z) { return x * chord(z) + disc(z) / 2; };
    case 16:
        return [=](double z) { return x * chord(z) + 2 * DinHeadSection(h, z - r); };
    case 17:
        return disc;
    default: // 18: the cone's radius grows to X/2 over H - Y, then stays
        return [=](double z) {
            const double radius = x / 2 * std::min(1.0, z / (h - y));
            return kPi * radius * radius;
        };
    }
}

double ReferenceContent(const SliceArea& area, double q, int slices) {
    double sum = 0;
    for (int i = 0; i < slices; ++i) {
        sum += area((i + 0.5) * q / slices);
    }
    return sum * q / slices;
}

struct Vessel {
    const char* name;
    int shape;
    ShapeEditTexts texts; // x, h, y, w, x1, z, x2
};

const std::vector<Vessel> kVessels = {
    {"oval", 13, {"2000", "800", "", "1200", "", "", ""}},
    {"hemispherical heads", 14, {"1500", "1000", "", "", "", "", ""}},
    {"2:1 heads", 15, {"1500", "1000", "", "", "", "", ""}},
    {"torispherical heads", 16, {"1500", "1000", "", "", "", "", ""}},
    {"sphere", 17, {"", "1500", "", "", "", "", ""}},
    {"cone bottom", 18, {"1000", "1500", "1000", "", "", "", ""}},
};

// Levels, bottom limit and volume of every new shape, with and without reserve, against
// the slice reference (the reserve level found by bisection on the reference).
TEST(VesselGeometryTest, LevelsMatchSliceIntegration) {
    for (const Vessel& vessel : kVessels) {
        const auto value = [](const std::string& text) { return text.empty() ? 0.0 : std::stod(text); };
        const double h = value(vessel.texts.h);
        const SliceArea area =
            ReferenceSection(vessel.shape, value(vessel.texts.x), h, value(vessel.texts.w), value(vessel.texts.y));
        const int slices = vessel.shape == 16 ? 2000 : 50000;
        const auto content = [&](double q) { return ReferenceContent(area, q, slices); };
        const double whole = content(h);
        for (const bool reserve : {false, true}) {
            SCOPED_TRACE(testing::Message() << vessel.name << (reserve ? " reserve" : ""));
            double low = 0;
            double high = h;
            while (reserve && high - low > 1e-3) {
                const double middle = (low + high) / 2;
                (content(middle) < 0.1 * whole ? low : high) = middle;
            }
            const double empty = reserve ? (low + high) / 2 : 0;
            const double below = reserve ? 0.1 * whole : 0;
            const ShapeCalculation shown = CalculateShape({vessel.shape, false, reserve, false}, vessel.texts, '.');
            ASSERT_TRUE(shown.ok()) << shown.error;
            for (int i = 0; i < 4; ++i) {
                const double level = (content(empty + 0.2 * (i + 1) * (h - empty)) - below) * 100 / (whole - below);
                EXPECT_EQ(shown.levelSet.levels[static_cast<std::size_t>(i)], WholeText(level)) << level;
            }
            EXPECT_NEAR(std::stod(shown.levelSet.bottomLimit), h - empty, 0.006);
            EXPECT_EQ(shown.volume, VolumeText(whole / 1e6, '.'));
        }
    }
}

// Worked by hand: a sphere's levels; every vessel symmetric about its middle is half full
// at half height.
TEST(VesselGeometryTest, SphereLevelsAndHalfFullAtHalfHeight) {
    const ShapeCalculation sphere = CalculateShape({17}, {"", "1000", "", "", "", "", ""}, '.');
    ASSERT_TRUE(sphere.ok()) << sphere.error;
    EXPECT_EQ(sphere.levelSet.levels, (std::array<std::string, 4>{"10", "35", "65", "90"}));
    EXPECT_EQ(sphere.levelSet.bottomLimit, "1000.00");
    EXPECT_EQ(sphere.volume, "524"); // pi / 6 m3
    for (const Vessel& vessel : kVessels) {
        if (vessel.shape == 18) {
            continue;
        }
        SCOPED_TRACE(vessel.name);
        const TankContentCalculation content = CalculateTankContent({vessel.shape}, vessel.texts, '.');
        ASSERT_TRUE(content.content) << content.error;
        EXPECT_NEAR(static_cast<double>(content.content->PercentAt(content.content->height() / 2)), 50, 1e-12);
    }
}

// Head volumes per diameter cubed, from the heads alone (no cylindrical part).
TEST(VesselGeometryTest, HeadVolumes) {
    struct Case {
        int shape;
        double perHead;
    };
    for (const Case& c : {Case{14, 0.26180}, Case{15, 0.13090}, Case{16, 0.09897}}) {
        TankDimensions heads;
        heads.h = 1;
        EXPECT_NEAR(static_cast<double>(VesselContent(c.shape, heads, 1)) / 2, c.perHead, 5e-6) << c.shape;
    }
}

// The torispherical head's integration holds to 1e-6 of the head's volume at any height,
// against thin axial slices whose filled parts are circle segments.
TEST(VesselGeometryTest, TorisphericalHeadWithinAMillionth) {
    constexpr int kSlices = 400000;
    const auto reference = [](double q) {
        const double level = q - 0.5;
        double sum = 0;
        for (int i = 0; i < kSlices; ++i) {
            const double rho = DinHeadRadius((i + 0.5) * kDinHeadDepth / kSlices);
            if (level <= -rho) {
                continue;
            }
            if (level >= rho) {
                sum += kPi * rho * rho;
                continue;
            }
            const double angle = 2 * std::acos(-level / rho);
            sum += rho * rho * (angle - std::sin(angle)) / 2;
        }
        return sum * kDinHeadDepth / kSlices;
    };
    const double whole = reference(1);
    for (const double q : {0.0, 0.001, 0.05, 0.1, 0.25, 0.5, 0.63, 0.9, 0.97, 0.999, 1.0}) {
        EXPECT_NEAR(static_cast<double>(TorisphericalHeadContent(1, q)), reference(q), 1e-6 * whole) << q;
    }
}

struct CheckCase {
    const char* name;
    ShapeOptions options;
    ShapeEditTexts texts;
    std::string message;
};

TEST(VesselGeometryTest, RefusalsInTheCalculatorsStyle) {
    const CheckCase checks[] = {
        {"oval W", {13}, {"2000", "800", "", "0", "", "", ""}, "Invalid input for W value!"},
        {"heads X", {14}, {"-1", "800", "", "", "", "", ""}, "Invalid input for X value!"},
        {"sphere H",
         {17},
         {"", "2500", "", "", "", "", ""},
         "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!"},
        {"cone Y missing", {18}, {"1000", "1500", "", "", "", "", ""}, "Invalid input for Y value!"},
        {"cone Y at H",
         {18},
         {"1000", "1500", "1500", "", "", "", ""},
         "Y value cannot be equal or greater than H value!"},
        {"no shape 19", {19}, {"1000", "1500", "", "1000", "", "", ""}, "Invalid Shape Number!"},
    };
    for (const CheckCase& check : checks) {
        EXPECT_EQ(CalculateShape(check.options, check.texts, '.').error, check.message) << check.name;
    }
    // What a vessel does not read is ignored: the sphere's X, the heads' W.
    EXPECT_TRUE(CalculateShape({17}, {"junk", "1000", "x", "x", "", "", ""}, '.').ok());
    EXPECT_TRUE(CalculateShape({16}, {"1000", "1000", "", "junk", "", "", ""}, '.').ok());
}

} // namespace
} // namespace zeft
