#include "calc/NonLinearization_HeightForm.h"
#include "calc/NonLinearization_VolumeForm.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using zeft::ConfirmAnswer;
using zeft::PlainSettingsControls;
using zeft::calc_ui::TNonLinearHeightForm;
using zeft::calc_ui::TNonLinearVolumeForm;
using zeft::calc_ui::TTableCalculatorForm;
using zeft::testing::ScriptedPrompts;

using Edits = std::array<std::string, 6>;
const Edits kBefore{"1500", "1800", "21", "41", "61", "81"};

std::array<std::string, 5> Results(const TTableCalculatorForm& form) {
    return {form.LALabel->text().toStdString(), form.LBLabel->text().toStdString(), form.LCLabel->text().toStdString(),
            form.LDLabel->text().toStdString(), form.BLLabel->text().toStdString()};
}

void Fill(TTableCalculatorForm& form, const std::array<const char*, 5>& values) {
    const std::array<QLineEdit*, 5> edits{form.Vol100LEdit, form.Vol80LEdit, form.Vol60LEdit, form.Vol40LEdit,
                                          form.Vol20LEdit};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i]->setText(QString::fromLatin1(values[i]));
    }
}

class VolumeFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls.settings.edits = kBefore;
        form.show();
    }
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    TNonLinearVolumeForm form{controls, prompts};
};

TEST_F(VolumeFormTest, CalculatesAndCopiesHAsTyped) {
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(form.Image1->pixmap().isNull());
    Fill(form, {"80", "70", "60", "50", "11"});
    form.HeightLEdit->setText("1500.0");
    QTest::mouseClick(form.CalBtn, Qt::LeftButton);
    EXPECT_EQ(Results(form), (std::array<std::string, 5>{"14", "62", "75", "88", "1500.0"}));
    prompts.Answer(ConfirmAnswer::Yes);
    QTest::mouseClick(form.SaveCloseBtn, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(controls.settings.edits, (Edits{"1500", "1500", "14", "62", "75", "88"}));
}

TEST_F(VolumeFormTest, FirstFailingCheckIsShownAndResultsStay) {
    form.HeightLEdit->setText("x");
    QTest::mouseClick(form.CalBtn, Qt::LeftButton);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Invalid input for Volume @ Full Tank!");
    EXPECT_EQ(Results(form), (std::array<std::string, 5>{"20", "40", "60", "80", "2000"}));
}

TEST_F(VolumeFormTest, InchesConvertOnHandOverAndTheToggleResetsTheBottomLimit) {
    Fill(form, {"100", "80", "60", "40", "20"});
    form.InchCheckBox->click();
    EXPECT_EQ(form.HeightLEditLabel->text(), "H (inch)");
    EXPECT_EQ(form.BLLabel->text(), "78.74");
    form.HeightLEdit->setText("10");
    QTest::mouseClick(form.CalBtn, Qt::LeftButton);
    EXPECT_EQ(form.BLLabel->text(), "10");
    prompts.Answer(ConfirmAnswer::Yes);
    QTest::mouseClick(form.SaveCloseBtn, Qt::LeftButton);
    EXPECT_EQ(controls.settings.edits[1], "254");
}

TEST_F(VolumeFormTest, NoLeavesTheMainWindowAndReopeningResets) {
    Fill(form, {"100", "80", "60", "40", "20"});
    form.HeightLEdit->setText("1000");
    form.InchCheckBox->click();
    prompts.Answer(ConfirmAnswer::No);
    QTest::mouseClick(form.SaveCloseBtn, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(controls.settings.edits, kBefore);
    form.show();
    EXPECT_FALSE(form.InchCheckBox->isChecked());
    EXPECT_EQ(form.HeightLEditLabel->text(), "H (mm)");
    for (const QLineEdit* edit :
         {form.Vol100LEdit, form.Vol80LEdit, form.Vol60LEdit, form.Vol40LEdit, form.Vol20LEdit, form.HeightLEdit}) {
        EXPECT_EQ(edit->text(), "0");
    }
    EXPECT_EQ(Results(form), (std::array<std::string, 5>{"20", "40", "60", "80", "2000"}));
}

class HeightFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls.settings.edits = kBefore;
        form.show();
    }
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    TNonLinearHeightForm form{controls, prompts};
};

TEST_F(HeightFormTest, InterpolatesAndHandsOverWithTheEstimateWarning) {
    EXPECT_TRUE(prompts.shown.empty());
    Fill(form, {"1000", "800", "650", "500", "300"});
    QTest::mouseClick(form.CalBtn, Qt::LeftButton);
    EXPECT_EQ(Results(form), (std::array<std::string, 5>{"13", "30", "53", "80", "1000"}));
    std::vector<zeft::LevelSource> told;
    form.OnLevelSetHandedOver = [&](const zeft::LevelSource& source) { told.push_back(source); };
    form.Vol20LEdit->setText("299"); // typed after the calculation: not what it was made from
    prompts.Answer(ConfirmAnswer::Yes);
    QTest::mouseClick(form.SaveCloseBtn, Qt::LeftButton);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "This method is just an estimation and is not accurate comparing to the Volume and Shape method! Are you "
              "sure you want to update the parameters with those in the Non-Linear Calculated Values group box?");
    EXPECT_EQ(controls.settings.edits, (Edits{"1500", "1000", "13", "30", "53", "80"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].calculator, zeft::LevelCalculator::Height);
    EXPECT_EQ(told[0].inputs, (std::vector<std::pair<std::string, std::string>>{{"Height @ Full Tank", "1000"},
                                                                                {"Height @ 80% Volume", "800"},
                                                                                {"Height @ 60% Volume", "650"},
                                                                                {"Height @ 40% Volume", "500"},
                                                                                {"Height @ 20% Volume", "300"}}));
    EXPECT_EQ(told[0].bottomLimitMillimetres, "1000");
}

TEST_F(HeightFormTest, UnitShowsInTheGroupCaptionAndResetsOnReopen) {
    form.InchCheckBox->click();
    EXPECT_EQ(form.GroupBox1->title(), "Enter Tank Height Information (Inch)");
    Fill(form, {"40", "30", "20", "10", "5"});
    QTest::mouseClick(form.CalBtn, Qt::LeftButton);
    prompts.Answer(ConfirmAnswer::Yes);
    QTest::mouseClick(form.SaveCloseBtn, Qt::LeftButton);
    EXPECT_EQ(controls.settings.edits[1], "1016");
    form.show();
    EXPECT_FALSE(form.InchCheckBox->isChecked());
    EXPECT_EQ(form.GroupBox1->title(), "Enter Tank Height Information (Millimetre)");
    EXPECT_EQ(form.Vol100LEdit->text(), "0");
}

TEST_F(HeightFormTest, RangeOfTheFullHeightIsCheckedLast) {
    Fill(form, {"2500", "800", "600", "400", "200"});
    QTest::mouseClick(form.CalBtn, Qt::LeftButton);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Invalid input for Height @ Full Tank! Height must be at least 100 mm and no more than 2000 mm!");
    QTest::mouseClick(form.CloseBtn, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(controls.settings.edits, kBefore);
}

} // namespace
