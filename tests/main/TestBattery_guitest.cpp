#include "main/TestBattery_f.h"

#include "tests/support/FakeSenderLink.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TabOrder.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zeft {
namespace {

using testing::FakeSenderLink;
using testing::ScriptedPrompts;

QColor TextColour(const QLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

TEST(BatteryTestFormTest, TestTogglesRtsAndTheShownState) {
    FakeSenderLink link;
    TBatteryTestForm form(link);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Battery Test");
    EXPECT_EQ(form.LabelStatus->text(), "OFF");

    QTest::mouseClick(form.ButtonTest, Qt::LeftButton);
    EXPECT_TRUE(link.rts);
    EXPECT_EQ(form.LabelStatus->text(), "ON");
    EXPECT_EQ(TextColour(*form.LabelStatus), QColor(Qt::red));

    QTest::mouseClick(form.ButtonTest, Qt::LeftButton);
    EXPECT_FALSE(link.rts);
    EXPECT_EQ(form.LabelStatus->text(), "OFF");
    EXPECT_EQ(TextColour(*form.LabelStatus), QColor(Qt::black));
    EXPECT_EQ(link.rtsChanges, (std::vector<bool>{true, false}));
    form.close();
}

// The keyboard reaches TEST, then Close; a screen reader reads the power state whole.
TEST(BatteryTestFormTest, KeyboardOrderAndThePowerStateReadOut) {
    FakeSenderLink link;
    TBatteryTestForm form(link);
    form.show();
    EXPECT_EQ(testing::TabOrder(form, form.ButtonTest), (std::vector<std::string>{"ButtonTest", "Button2"}));
    auto spoken = [&] { return QAccessible::queryAccessibleInterface(form.LabelStatus)->text(QAccessible::Name); };
    EXPECT_EQ(spoken(), "Power is OFF");
    form.ButtonTest->setFocus();
    QTest::keyClick(form.ButtonTest, Qt::Key_Space);
    EXPECT_TRUE(link.rts);
    EXPECT_EQ(spoken(), "Power is ON");
    form.close();
}

TEST(BatteryTestFormTest, EveryWayOfClosingDropsRtsAndReopeningShowsOff) {
    enum class Way { CloseButton, TitleBar, Escape };
    for (const Way way : {Way::CloseButton, Way::TitleBar, Way::Escape}) {
        FakeSenderLink link;
        TBatteryTestForm form(link);
        form.show();
        QTest::mouseClick(form.ButtonTest, Qt::LeftButton);
        ASSERT_TRUE(link.rts);
        switch (way) {
        case Way::CloseButton:
            QTest::mouseClick(form.Button2, Qt::LeftButton);
            break;
        case Way::TitleBar:
            form.close();
            break;
        case Way::Escape:
            QTest::keyClick(&form, Qt::Key_Escape);
            break;
        }
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(link.rts) << static_cast<int>(way);
        EXPECT_EQ(form.LabelStatus->text(), "ON") << "the label is left as it was";

        form.show();
        EXPECT_EQ(form.LabelStatus->text(), "OFF");
        EXPECT_EQ(TextColour(*form.LabelStatus), QColor(Qt::black));
        form.close();
    }
}

// A port without RTS (a pseudo-terminal, an adapter without the line) powers nothing:
// the window says so in a warning and does not claim the power is on.
TEST(BatteryTestFormTest, PortThatCannotSwitchRtsGetsAWarningNotPowerOn) {
    FakeSenderLink link;
    link.rtsRefused = true;
    ScriptedPrompts prompts;
    TBatteryTestForm form(link, nullptr, &prompts);
    form.show();
    QTest::mouseClick(form.ButtonTest, Qt::LeftButton);
    EXPECT_EQ(form.LabelStatus->text(), "OFF");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Warning);
    EXPECT_EQ(prompts.shown[0].text, "This port cannot switch RTS, so it cannot power the programming interface.");
    form.close();
}

TEST(BatteryTestFormTest, ModalRunEndsWithRtsLow) {
    FakeSenderLink link;
    TBatteryTestForm form(link);
    QTimer::singleShot(0, &form, [&] {
        form.ButtonTest->click();
        form.Button2->click();
    });
    QTimer::singleShot(5000, &form, &QDialog::reject);
    form.exec();
    EXPECT_EQ(link.rtsChanges, (std::vector<bool>{true, false}));
}

TEST(BatteryTestFormTest, NoTextIsClipped) {
    FakeSenderLink link;
    TBatteryTestForm form(link);
    for (QLabel* label : {form.Label1, form.Label2, form.Label6, form.Label7, form.Label8}) {
        EXPECT_LE(label->geometry().right(), form.Bevel1->geometry().right()) << label->text().toStdString();
        EXPECT_GE(label->width(), label->sizeHint().width());
    }
    form.LabelStatus->setText("OFF");
    form.LabelStatus->adjustSize();
    EXPECT_LE(form.LabelStatus->geometry().right(), form.Bevel2->geometry().right());
    EXPECT_LE(form.Button2->geometry().right(), form.width());
}

} // namespace
} // namespace zeft
