#include "base/PosixBaudRates.h"

#include <gtest/gtest.h>

#include <termios.h>

namespace zeft {
namespace {

// Each rate goes to its own constant and back; a rate without one has none.
TEST(PosixBaudRatesTest, RatesAndTheirConstants) {
    struct Row {
        std::uint32_t rate;
        std::optional<unsigned long> speed;
    };
    const Row rows[] = {
        {50, B50},         {300, B300},       {1200, B1200},         {9600, B9600},
        {19200, B19200},   {38400, B38400},   {57600, B57600},       {115200, B115200},
        {230400, B230400}, {0, std::nullopt}, {14400, std::nullopt}, {12345, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(StandardSpeedOfRate(row.rate), row.speed) << row.rate;
        if (row.speed) {
            EXPECT_EQ(RateOfStandardSpeed(*row.speed), row.rate) << row.rate;
        }
    }
}

} // namespace
} // namespace zeft
