#include "tests/support/SessionRig.h"

#include "main/ExchangeStates.h"

#include <gtest/gtest.h>

namespace zeft::testing {

SessionStation::SessionStation(HandOverQueue& queue, CoreMainLoop& mainLoop, int timeDivisor)
    : loop(mainLoop), timer(mainLoop, timeDivisor), link(queue), session(link, controls, buttons, prompts, timer),
      engine(session.Engine()) {}

bool SessionStation::Open(const std::string& name, std::uint32_t baudRate) {
    link.SetBaudRate(baudRate);
    link.SetCommPort(name);
    return session.Open();
}

bool SessionStation::Run(void (ExchangeEngine::*click)(), std::chrono::milliseconds limit,
                         std::chrono::steady_clock::duration* took) {
    const auto start = std::chrono::steady_clock::now();
    (engine.*click)();
    const bool ended = loop.RunUntil([this] { return !engine.Running(); }, limit);
    if (took != nullptr) {
        *took = std::chrono::steady_clock::now() - start;
    }
    return ended;
}

void SessionStation::ExpectIdle() const {
    EXPECT_FALSE(engine.Running());
    EXPECT_EQ(engine.ExchangeState(), kAwaitPowerUpK);
    EXPECT_FALSE(timer.IsEnabled()) << "timer still running";
    EXPECT_TRUE(buttons.AllEnabled()) << "a button still disabled";
    EXPECT_TRUE(buttons.AllIdle()) << "a Tag still 1";
    EXPECT_FALSE(link.RTSState()) << "RTS still high";
}

void SessionStation::Clear() {
    prompts.shown.clear();
    controls.statusText.clear();
}

} // namespace zeft::testing
