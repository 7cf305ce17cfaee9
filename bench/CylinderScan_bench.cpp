// Times the longest height scan: the 2000 mm cylinder with the 10 % reserve.
#include "calc/TankGeometry.h"

#include <chrono>
#include <cstdio>

int main() {
    constexpr int kRuns = 5;
    double best = 1e9;
    long double bottom = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const zeft::ShapeResult result = zeft::CalculateCylinder(true, 2000, 2000, false);
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        bottom = result.bottomLimit;
        if (elapsed.count() < best) {
            best = elapsed.count();
        }
    }
    std::printf("CylinderScan H=2000 mm with reserve: best of %d %.2f ms (bottom limit %.0Lf)\n", kRuns, best, bottom);
    return 0;
}
