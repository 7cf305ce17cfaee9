#include "calc/NonLinearizationForm.h"
#include "calc/NonLinearization_HeightForm.h"
#include "calc/NonLinearization_VolumeForm.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TabOrder.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using zeft::PlainSettingsControls;
using zeft::calc_ui::TNonLinearHeightForm;
using zeft::calc_ui::TNonLinearizationForm;
using zeft::calc_ui::TNonLinearVolumeForm;
using zeft::testing::ScriptedPrompts;

using Names = std::vector<std::string>;

// What a screen reader announces for each named control of the window.
Names AccessibleNames(const QWidget& window, const Names& controls) {
    Names names;
    for (const std::string& control : controls) {
        auto* widget = window.findChild<QWidget*>(QString::fromStdString(control));
        QAccessibleInterface* accessible = widget == nullptr ? nullptr : QAccessible::queryAccessibleInterface(widget);
        names.push_back(accessible == nullptr ? "?" : accessible->text(QAccessible::Name).toStdString());
    }
    return names;
}

using zeft::testing::TabOrder;

class CalculatorWindowsTest : public ::testing::Test {
protected:
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
};

TEST_F(CalculatorWindowsTest, ShapeWindowAnnouncesCaptionsAndTabsInLayoutOrder) {
    TNonLinearizationForm form(controls, prompts);
    form.show();
    while (form.ShapeNo != 11) { // the shape that shows every dimension
        form.PicRightBtnClick();
    }
    const Names controlsRead{"X_Edit",  "H_Edit",       "Y_Edit",       "W_Edit",           "X1_Edit",        "Z_Edit",
                             "X2_Edit", "LabeledEdit1", "InchCheckBox", "HalfTankCheckBox", "ReserveCheckBox"};
    EXPECT_EQ(AccessibleNames(form, controlsRead),
              (Names{"X Value", "H Value", "Y Value", "W Value", "X1 Value", "Z Value", "X2 Value", "Volume in Litres",
                     "Inch Unit", "Half Tank", "10% Reserve"}));
    EXPECT_EQ(TabOrder(form, form.PicLeftBtn),
              (Names{"PicLeftBtn", "PicRightBtn", "X_Edit", "H_Edit", "Y_Edit", "W_Edit", "X1_Edit", "Z_Edit",
                     "X2_Edit", "InchCheckBox", "HalfTankCheckBox", "ReserveCheckBox", "CalBtn1", "LabeledEdit1",
                     "SaveBtn1", "CloseBtn1"}));
    form.close();
}

TEST_F(CalculatorWindowsTest, VolumeWindowAnnouncesCaptionsAndTabsInLayoutOrder) {
    TNonLinearVolumeForm form(controls, prompts);
    form.show();
    EXPECT_EQ(AccessibleNames(form, {"Vol100LEdit", "Vol80LEdit", "Vol60LEdit", "Vol40LEdit", "Vol20LEdit",
                                     "HeightLEdit", "InchCheckBox"}),
              (Names{"Volume @ Full Tank", "Volume @ 80% H", "Volume @ 60% H", "Volume @ 40% of H", "Volume @ 20% of H",
                     "H (Millimetre)", "Inch Unit"}));
    EXPECT_EQ(TabOrder(form, form.Vol100LEdit),
              (Names{"Vol100LEdit", "Vol80LEdit", "Vol60LEdit", "Vol40LEdit", "Vol20LEdit", "HeightLEdit",
                     "InchCheckBox", "CalBtn", "SaveCloseBtn", "CloseBtn"}));
    form.close();
}

TEST_F(CalculatorWindowsTest, HeightWindowAnnouncesCaptionsAndTabsInLayoutOrder) {
    TNonLinearHeightForm form(controls, prompts);
    form.show();
    EXPECT_EQ(
        AccessibleNames(form, {"Vol100LEdit", "Vol80LEdit", "Vol60LEdit", "Vol40LEdit", "Vol20LEdit", "InchCheckBox"}),
        (Names{"Height @ Full Tank", "Height @ 80% Volume", "Height @ 60% Volume", "Height @ 40% Volume",
               "Height @ 20% Volume", "Inch Unit"}));
    EXPECT_EQ(TabOrder(form, form.Vol100LEdit),
              (Names{"Vol100LEdit", "Vol80LEdit", "Vol60LEdit", "Vol40LEdit", "Vol20LEdit", "InchCheckBox", "CalBtn",
                     "SaveCloseBtn", "CloseBtn"}));
    form.close();
}

// Bold captions and check boxes, and the shape window's results, are 10 point whatever the
// platform's window font; the shape number stays at the window's size.
TEST_F(CalculatorWindowsTest, EmphasisedTextsAreTenPoint) {
    TNonLinearizationForm shape(controls, prompts);
    TNonLinearVolumeForm volume(controls, prompts);
    TNonLinearHeightForm height(controls, prompts);
    struct Case {
        const QWidget* window;
        const char* control;
        bool bold;
        int pointSize; // 0: the window's own
    };
    const Case cases[] = {
        {&shape, "X_EditLabel", true, 10},     {&shape, "X2_EditLabel", true, 10},
        {&shape, "InchCheckBox", true, 10},    {&shape, "HalfTankCheckBox", true, 10},
        {&shape, "ReserveCheckBox", true, 10}, {&shape, "LabeledEdit1Label", true, 10},
        {&shape, "Label2", false, 10},         {&shape, "Label11", false, 10},
        {&shape, "ShapeNoLabel", true, 0},     {&shape, "X_Edit", false, 0},
        {&volume, "InchCheckBox", true, 10},   {&volume, "Vol100LEditLabel", false, 0},
        {&height, "InchCheckBox", true, 10},   {&height, "LALabel", false, 0},
    };
    for (const Case& c : cases) {
        const auto* widget = c.window->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(widget, nullptr) << c.control;
        EXPECT_EQ(widget->font().bold(), c.bold) << c.control;
        EXPECT_EQ(widget->font().pointSize(), c.pointSize > 0 ? c.pointSize : c.window->font().pointSize())
            << c.control;
    }
}

} // namespace
