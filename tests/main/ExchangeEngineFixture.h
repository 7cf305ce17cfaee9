#pragma once

#include "main/ExchangeEngine.h"
#include "main/PlainOperationButtons.h"
#include "main/PlainSettingsControls.h"
#include "tests/support/FakeSenderLink.h"
#include "tests/support/ManualTimer.h"
#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <string>

namespace zeft::testing {

// What a sender with output type 4, fluid 2, limits 10 and 1500 and the straight-tank
// levels answers to "++++": one other character first, then the identification and the
// listing. Label lengths match the skip counts.
inline const std::string kListing = "\r\nKOV\r\nOutput Type = 4 \r\nFluid Type = 2 \r\nTop Limit = 10\r\n"
                                    "Bottom Limit = 1500\r\nLinear Levels = 20, 40, 60, 80, \r\n";

// One engine over fakes of all its seams, on a manual clock: every test is deterministic.
class ExchangeEngineTest : public ::testing::Test {
protected:
    // One received cluster, handed over as the serial component does.
    void Receive(const std::string& text) {
        link.clusters.push_back(text);
        engine.SerialLink1RxClusterEvent();
    }

    // From the button press to the tick that sends the first command.
    void PowerUpAndSendCommand() {
        timer.Advance(120);
        Receive("\r\nKOV\r\n");
        ASSERT_EQ(engine.ExchangeState(), 3);
        timer.Advance(kCommandPauseMs);
        ASSERT_EQ(engine.ExchangeState(), 3);
        ASSERT_FALSE(link.sent.empty());
    }

    // The state every end leaves behind.
    void ExpectIdle() {
        EXPECT_FALSE(link.rts) << "RTS still raised";
        EXPECT_FALSE(timer.IsEnabled()) << "timer still running";
        EXPECT_TRUE(buttons.AllIdle()) << "a Tag is still 1";
        EXPECT_TRUE(buttons.AllEnabled()) << "a button is still disabled";
        EXPECT_EQ(engine.ExchangeState(), 0);
        EXPECT_FALSE(engine.Running());
    }

    std::vector<std::string> ErrorsShown() const {
        std::vector<std::string> texts;
        for (const auto& box : prompts.shown) {
            if (box.kind == ScriptedPrompts::Kind::Error) {
                texts.push_back(box.text);
            }
        }
        return texts;
    }

    PlainSettingsControls controls;
    PlainOperationButtons buttons;
    ScriptedPrompts prompts;
    ManualTimer timer;
    FakeSenderLink link;
    ExchangeEngine engine{controls, buttons, prompts, timer, link};
};

} // namespace zeft::testing
