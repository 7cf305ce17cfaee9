#include "calc/MeasuredTableForm.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "ui/QtFileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using zeft::ConfirmAnswer;
using zeft::PlainSettingsControls;
using zeft::calc_ui::TMeasuredTableForm;
using zeft::testing::ScriptedPrompts;
using zeft::testing::TempFolder;
using zeft::ui::QtFileDialogs;

class MeasuredTableFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls.settings.edits = {"1500", "1800", "21", "41", "61", "81"};
        form.show();
    }
    void TearDown() override {
        form.close();
        QtFileDialogs::SetDialogHandlerForTests({});
    }
    std::array<std::string, 5> Results() const {
        return {form.LALabel->text().toStdString(), form.LBLabel->text().toStdString(),
                form.LCLabel->text().toStdString(), form.LDLabel->text().toStdString(),
                form.BLLabel->text().toStdString()};
    }

    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    TMeasuredTableForm form{controls, prompts};
    TempFolder folder;
};

// Typed rows to levels, handed over with Save & Close and told for the setup sheet.
TEST_F(MeasuredTableFormTest, TypedRowsToTheMainWindow) {
    EXPECT_EQ(form.windowTitle(), "Non-linear Tank Parameter Calculation by Measured Table");
    EXPECT_EQ(form.TableLabel->buddy(), form.TableEdit);
    EXPECT_EQ(form.VolumeUnitLabel->buddy(), form.VolumeUnitBox);
    form.TableEdit->setPlainText("height,volume\n0,0\n250,25\n1000,100\n");
    form.ReserveCheckBox->setChecked(true);
    form.CalBtn->click();
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].text;
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"20", "40", "60", "80", "900.00"}));
    EXPECT_EQ(form.VolumeLabel->text(), "Volume at H = 100.000 litres");
    EXPECT_EQ(form.GaugeErrorLabel->text(), "Largest gauge error: under 0.01 points");

    std::vector<zeft::LevelSource> told;
    form.OnLevelSetHandedOver = [&](const zeft::LevelSource& source) { told.push_back(source); };
    prompts.Answer(ConfirmAnswer::Yes);
    form.SaveCloseBtn->click();
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"1500", "900", "20", "40", "60", "80"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].calculator, zeft::LevelCalculator::MeasuredTable);
    EXPECT_EQ(told[0].gaugeError, "under 0.01 points");
    EXPECT_FALSE(form.isVisible());

    // The next opening starts afresh.
    form.show();
    EXPECT_TRUE(form.TableEdit->toPlainText().isEmpty());
    EXPECT_FALSE(form.ReserveCheckBox->isChecked());
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"20", "40", "60", "80", "2000"}));
}

// Results belong to the inputs they came from: any change clears them, so that Save & Close
// never hands over the levels of one table with the bottom limit of another.
TEST_F(MeasuredTableFormTest, AnyInputChangeClearsTheResults) {
    struct Change {
        const char* name;
        std::function<void()> make;
        const char* bottom; // the default of the unit then chosen
    };
    const Change changes[] = {
        {"inch unit", [&] { form.InchCheckBox->click(); }, "78.74"},
        {"reserve", [&] { form.ReserveCheckBox->click(); }, "2000"},
        {"a row typed", [&] { form.TableEdit->appendPlainText("1500,1200"); }, "2000"},
        {"H typed", [&] { form.HeightLEdit->setText("900"); }, "2000"},
        {"volume unit", [&] { form.VolumeUnitBox->setCurrentIndex(1); }, "2000"},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        form.FormActivate();
        form.TableEdit->setPlainText("height,volume\n0,0\n500,125\n1000,500\n");
        form.CalBtn->click();
        ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].text;
        ASSERT_EQ(Results()[4], "1000.00");
        c.make();
        EXPECT_EQ(Results(), (std::array<std::string, 5>{"20", "40", "60", "80", c.bottom}));
        EXPECT_EQ(form.VolumeLabel->text(), "Volume at H = 0");
        EXPECT_EQ(form.GaugeErrorLabel->text(), "Largest gauge error: -");
    }
    // What goes over is what is shown, and no calculation is told for the setup sheet.
    std::vector<zeft::LevelSource> told;
    form.OnLevelSetHandedOver = [&](const zeft::LevelSource& source) { told.push_back(source); };
    prompts.Answer(ConfirmAnswer::Yes);
    form.SaveCloseBtn->click();
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"1500", "2000", "20", "40", "60", "80"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].calculated);
}

// An imported file fills the rows and is calculated; a refusal names the row.
TEST_F(MeasuredTableFormTest, ImportAndRefusals) {
    const std::string path =
        folder.Write("tank.csv", "Height;Volume;Note\n0;0;empty\n500;250,5;\n1000;1000;full\n").string();
    QtFileDialogs::SetDialogHandlerForTests([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Import CSV");
        return std::optional<std::string>(path);
    });
    form.InchCheckBox->click();
    form.InchCheckBox->click();
    form.HeightLEdit->setText("1000");
    form.ImportBtn->click();
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].text;
    EXPECT_NE(form.TableEdit->toPlainText().indexOf("500;250,5"), -1);
    const std::array<std::string, 5> imported = Results();
    EXPECT_EQ(imported[4], "1000.00");

    form.TableEdit->setPlainText("height,volume\n0,0\n500,40\n1000,39\n");
    form.CalBtn->click();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Error);
    EXPECT_EQ(prompts.shown[0].text, "Row 4: the volume 39 is less than the 40 of row 3, which is lower down.");
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"20", "40", "60", "80", "2000"}));

    // What is not a regular file is not read.
    QtFileDialogs::SetDialogHandlerForTests(
        [&](QFileDialog&) { return std::optional<std::string>(folder.Path().string()); });
    form.ImportBtn->click();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text, "The file " + folder.Path().string() + " is not a regular file.");
}

} // namespace
