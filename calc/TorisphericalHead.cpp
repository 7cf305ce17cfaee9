#include "calc/TorisphericalHead.h"

#include "calc/RoundSections.h"

#include <array>
#include <cmath>
#include <numbers>

namespace zeft {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The head's profile in a diameter of 1: its radius rho at the axial distance x from the
// tangent line. The knuckle (radius 0.1, centred 0.4 off the axis on the tangent line)
// meets the crown (radius 1, centred on the axis at crownCentre) where both are tangent.
struct Profile {
    static constexpr long double radius = 0.5L;
    static constexpr long double knuckle = 0.1L;
    static constexpr long double crown = 1.0L;
    long double crownCentre = 0; // negative: inside the cylinder
    long double joint = 0;       // axial distance where knuckle and crown meet
    long double depth = 0;

    Profile() {
        const long double centres = crown - knuckle;
        const long double offAxis = radius - knuckle;
        crownCentre = -std::sqrt(centres * centres - offAxis * offAxis);
        joint = -crownCentre * knuckle / centres;
        depth = crownCentre + crown;
    }

    long double Rho(long double x) const {
        if (x <= joint) {
            return radius - knuckle + std::sqrt(knuckle * knuckle - x * x);
        }
        const long double along = x - crownCentre;
        return std::sqrt(std::fmax(0.0L, crown * crown - along * along));
    }

    // Where the radius has fallen to rho (0 <= rho <= radius).
    long double AxialAt(long double rho) const {
        if (rho >= Rho(joint)) {
            const long double beyond = rho - (radius - knuckle);
            return std::sqrt(std::fmax(0.0L, knuckle * knuckle - beyond * beyond));
        }
        return crownCentre + std::sqrt(crown * crown - rho * rho);
    }
};

const Profile& HeadProfile() {
    static const Profile profile;
    return profile;
}

// 20-point Gauss-Legendre nodes and weights on [-1, 1], found once by Newton's method.
struct Quadrature {
    static constexpr int kPoints = 20;
    std::array<long double, kPoints> nodes{};
    std::array<long double, kPoints> weights{};

    Quadrature() {
        for (int i = 0; i < kPoints; ++i) {
            long double x = std::cos(kPi * (i + 0.75L) / (kPoints + 0.5L));
            long double derivative = 0;
            for (int iteration = 0; iteration < 100; ++iteration) {
                long double p0 = 1;
                long double p1 = x;
                for (int n = 2; n <= kPoints; ++n) {
                    const long double p2 = ((2 * n - 1) * x * p1 - (n - 1) * p0) / n;
                    p0 = p1;
                    p1 = p2;
                }
                derivative = kPoints * (x * p1 - p0) / (x * x - 1);
                const long double next = x - p1 / derivative;
                const bool done = std::fabs(next - x) < 1e-19L;
                x = next;
                if (done) {
                    break;
                }
            }
            nodes[static_cast<std::size_t>(i)] = x;
            weights[static_cast<std::size_t>(i)] = 2 / ((1 - x * x) * derivative * derivative);
        }
    }
};

const Quadrature& Rule() {
    static const Quadrature rule;
    return rule;
}

// The integral of f over [a, b], in pieces. towardB: the integrand behaves like
// (b - x)^(3/2) at b (where the liquid just touches the head's section); x = b - (b - a) s^2
// makes it smooth.
template <typename F> long double Integrate(F f, long double a, long double b, bool towardB) {
    if (!(b > a)) {
        return 0;
    }
    constexpr int kPieces = 4;
    const Quadrature& rule = Rule();
    long double sum = 0;
    for (int piece = 0; piece < kPieces; ++piece) {
        const long double from = static_cast<long double>(piece) / kPieces;
        const long double to = static_cast<long double>(piece + 1) / kPieces;
        for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
            const long double t = from + (to - from) * (rule.nodes[i] + 1) / 2;
            const long double w = rule.weights[i] * (to - from) / 2;
            if (towardB) {
                sum += w * 2 * t * (b - a) * f(b - (b - a) * t * t);
            } else {
                sum += w * (b - a) * f(a + (b - a) * t);
            }
        }
    }
    return sum;
}

} // namespace

long double TorisphericalHeadDepth(long double diameter) {
    return HeadProfile().depth * diameter;
}

long double TorisphericalHeadContent(long double diameter, long double q) {
    if (!(q > 0)) {
        return 0;
    }
    const Profile& profile = HeadProfile();
    const long double level = std::fmin(q / diameter, 1.0L) - Profile::radius; // above the axis
    const auto slice = [&](long double x) { return DiscAreaBelow(profile.Rho(x), level); };
    // Beyond `touch` the head's sections lie wholly below the liquid (or wholly above it).
    const long double touch = profile.AxialAt(std::fabs(level));
    const auto beyond = [&](long double x) {
        const long double rho = profile.Rho(x);
        return level > 0 ? kPi * rho * rho : 0.0L;
    };
    long double sum = 0;
    // Split at the joint of knuckle and crown too: the profile's curvature jumps there.
    if (touch <= profile.joint) {
        sum += Integrate(slice, 0, touch, true);
        sum += Integrate(beyond, touch, profile.joint, false);
        sum += Integrate(beyond, profile.joint, profile.depth, false);
    } else {
        sum += Integrate(slice, 0, profile.joint, false);
        sum += Integrate(slice, profile.joint, touch, true);
        sum += Integrate(beyond, touch, profile.depth, false);
    }
    return sum * diameter * diameter * diameter;
}

} // namespace zeft
