#include "calc/NonLinearizationForm.h"

#include "calc/TankChartForm.h"
#include "main/PlainSettingsControls.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "ui/JpegPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using zeft::ConfirmAnswer;
using zeft::PlainSettingsControls;
using zeft::calc_ui::TNonLinearizationForm;
using zeft::testing::ScriptedPrompts;

bool Shown(const QLineEdit* edit) {
    return !edit->parentWidget()->isHidden();
}

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

class ShapeFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls.settings.edits = {"1500", "1800", "21", "41", "61", "81"};
        form.show();
    }
    void TearDown() override { form.close(); }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void GoToShape(int shape) {
        while (form.ShapeNo != shape) {
            Click(form.PicRightBtn);
        }
    }
    std::array<std::string, 5> Results() const {
        return {Text(form.Label6), Text(form.Label7), Text(form.Label8), Text(form.Label9), Text(form.Label11)};
    }

    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    TNonLinearizationForm form{controls, prompts};
};

TEST_F(ShapeFormTest, OpensOnShapeOneWithItsEditsAndPicture) {
    EXPECT_TRUE(prompts.shown.empty()) << "picture problem: " << (prompts.shown.empty() ? "" : prompts.shown[0].text);
    EXPECT_FALSE(form.Image1->pixmap().isNull());
    EXPECT_EQ(Text(form.ShapeNoLabel), "Shape No. 1/18");
    for (const QLineEdit* edit : {form.X_Edit, form.H_Edit, form.W_Edit, form.X1_Edit, form.Y_Edit, form.Z_Edit}) {
        EXPECT_TRUE(Shown(edit)) << edit->objectName().toStdString();
    }
    EXPECT_FALSE(Shown(form.X2_Edit));
    EXPECT_TRUE(form.HalfTankCheckBox->isVisible());
    EXPECT_EQ(form.SaveBtn1->text(), QStringLiteral("Save && Close")); // shown as "Save & Close"
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("X2_Edit")), form.X2_Edit);
}

// Each shape shows its own picture, and its half-tank picture while "Half Tank" is checked.
TEST_F(ShapeFormTest, EachShapeShowsItsOwnPicture) {
    const auto shows = [&](const QString& name) {
        QString problem;
        const QImage expected = zeft::ui::DecodeJpegFile(zeft::ui::FindPicture(name), problem);
        return !expected.isNull() && form.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32) ==
                                         expected.convertToFormat(QImage::Format_RGB32);
    };
    for (int shape = 1; shape <= 18; ++shape) {
        GoToShape(shape);
        EXPECT_TRUE(shows(QStringLiteral("pictures/shape%1.jpg").arg(shape))) << shape;
        if (shape < 12) {
            form.HalfTankCheckBox->click();
            EXPECT_TRUE(shows(QStringLiteral("pictures/shape%1h.jpg").arg(shape))) << shape << " half";
            form.HalfTankCheckBox->click();
        }
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ShapeFormTest, PagingWrapsBothWays) {
    Click(form.PicLeftBtn);
    EXPECT_EQ(form.ShapeNo, 18);
    EXPECT_EQ(Text(form.ShapeNoLabel), "Shape No. 18/18");
    Click(form.PicRightBtn);
    EXPECT_EQ(Text(form.ShapeNoLabel), "Shape No. 1/18");
    Click(form.PicRightBtn);
    EXPECT_EQ(Text(form.ShapeNoLabel), "Shape No. 2/18");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ShapeFormTest, CylinderHidesHalfTankAndTheProfileEdits) {
    form.HalfTankCheckBox->click();
    EXPECT_EQ(Text(form.Label1), "");
    GoToShape(12);
    EXPECT_FALSE(form.HalfTankCheckBox->isChecked());
    EXPECT_FALSE(form.HalfTankCheckBox->isVisible());
    EXPECT_EQ(Text(form.Label1), "* symmetrical about the vertical axis");
    EXPECT_FALSE(Shown(form.W_Edit));
    EXPECT_FALSE(Shown(form.Y_Edit));
    EXPECT_TRUE(Shown(form.X_Edit));
    EXPECT_TRUE(Shown(form.H_Edit));
    GoToShape(1);
    EXPECT_TRUE(form.HalfTankCheckBox->isVisible());
    EXPECT_FALSE(form.HalfTankCheckBox->isChecked());
    EXPECT_TRUE(Shown(form.W_Edit));
    EXPECT_TRUE(prompts.shown.empty());
}

// The vessels show "Half Tank" but leave it unchecked and disabled, and show the edits they read.
TEST_F(ShapeFormTest, VesselsDisableHalfTankAndShowTheirEdits) {
    struct Case {
        int shape;
        bool x, w, y;
    };
    const Case cases[] = {
        {13, true, true, false}, {14, true, false, false}, {17, false, false, false}, {18, true, false, true}};
    for (const Case& c : cases) {
        GoToShape(1);
        form.HalfTankCheckBox->click();
        GoToShape(c.shape);
        EXPECT_TRUE(form.HalfTankCheckBox->isVisible()) << c.shape;
        EXPECT_FALSE(form.HalfTankCheckBox->isEnabled()) << c.shape;
        EXPECT_FALSE(form.HalfTankCheckBox->isChecked()) << c.shape;
        EXPECT_EQ(Shown(form.X_Edit), c.x) << c.shape;
        EXPECT_EQ(Shown(form.W_Edit), c.w) << c.shape;
        EXPECT_EQ(Shown(form.Y_Edit), c.y) << c.shape;
        EXPECT_TRUE(Shown(form.H_Edit)) << c.shape;
    }
    GoToShape(1);
    EXPECT_TRUE(form.HalfTankCheckBox->isEnabled());
    EXPECT_TRUE(Shown(form.X_Edit));

    GoToShape(17);
    form.H_Edit->setText("1000");
    Click(form.CalBtn1);
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"10", "35", "65", "90", "1000.00"}));
    EXPECT_EQ(form.LabeledEdit1->text(), "524");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ShapeFormTest, ShapesClearTheEditsTheirTableSays) {
    GoToShape(11);
    form.X1_Edit->setText("12");
    form.Z_Edit->setText("56");
    Click(form.PicRightBtn); // the cylinder hides X1 without clearing it
    EXPECT_FALSE(Shown(form.X1_Edit));
    EXPECT_EQ(form.X1_Edit->text(), "12");
    GoToShape(18); // the vessels clear what they do not read
    EXPECT_EQ(form.X1_Edit->text(), "0");
    form.X1_Edit->setText("12");
    form.Z_Edit->setText("56");
    Click(form.PicRightBtn); // shape 1 keeps it
    EXPECT_EQ(form.X1_Edit->text(), "12");
    EXPECT_EQ(form.Z_Edit->text(), "56");
    GoToShape(3); // through shape 2, which clears X1; shape 3 clears Z
    EXPECT_TRUE(Shown(form.X1_Edit));
    EXPECT_EQ(form.X1_Edit->text(), "0");
    EXPECT_EQ(form.Z_Edit->text(), "0");
    EXPECT_FALSE(Shown(form.Z_Edit));
    GoToShape(10);
    EXPECT_TRUE(Shown(form.X2_Edit));
    EXPECT_FALSE(Shown(form.X1_Edit));
    form.X1_Edit->setText("7");
    form.X2_Edit->setText("8");
    GoToShape(11); // clears both, shows both
    EXPECT_EQ(form.X1_Edit->text(), "0");
    EXPECT_EQ(form.X2_Edit->text(), "0");
    EXPECT_TRUE(Shown(form.X1_Edit));
    EXPECT_TRUE(Shown(form.X2_Edit));
}

TEST_F(ShapeFormTest, CalculatesTheCylinderAndKeepsResultsOnBadInput) {
    GoToShape(12);
    form.X_Edit->setText("2000");
    form.H_Edit->setText("1000");
    Click(form.CalBtn1);
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"14", "37", "63", "86", "1000"}));
    EXPECT_EQ(form.LabeledEdit1->text(), "1571");

    form.H_Edit->setText("99.9");
    Click(form.CalBtn1);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Error);
    EXPECT_EQ(prompts.shown[0].text, "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!");
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"14", "37", "63", "86", "1000"}));
    EXPECT_EQ(form.LabeledEdit1->text(), "1571");
}

TEST_F(ShapeFormTest, ChartShowsTheLastSuccessfulCalculation) {
    EXPECT_FALSE(form.ChartBtn1->isEnabled());
    GoToShape(12);
    form.X_Edit->setText("2000");
    form.H_Edit->setText("1000");
    Click(form.CalBtn1);
    ASSERT_TRUE(form.ChartBtn1->isEnabled());
    form.H_Edit->setText("99.9"); // refused: the results and their chart stay
    Click(form.CalBtn1);
    EXPECT_TRUE(form.ChartBtn1->isEnabled());

    std::string title;
    std::size_t rows = 0;
    long double top = 0;
    long double volume = 0;
    QTimer::singleShot(0, [&] {
        auto* chart = qobject_cast<zeft::calc_ui::TTankChartForm*>(QApplication::activeModalWidget());
        if (chart != nullptr && QTest::qWaitFor([&] { return !chart->ComputingTable(); }, 60000)) {
            title = chart->windowTitle().toStdString();
            rows = chart->Rows().size();
            top = chart->Rows().back().height;
            volume = chart->Rows().back().volume;
            chart->CloseBtn->click();
        }
    });
    Click(form.ChartBtn1);
    EXPECT_EQ(title, "Tank Chart");
    EXPECT_EQ(rows, 101u);
    EXPECT_EQ(top, 1000);
    EXPECT_NEAR(static_cast<double>(volume), 1570.796, 0.001);
    EXPECT_TRUE(form.isVisible());

    form.InchCheckBox->click(); // the volume shown is reset, so is the chart
    EXPECT_FALSE(form.ChartBtn1->isEnabled());
    form.InchCheckBox->click();
    form.H_Edit->setText("1000");
    Click(form.CalBtn1);
    Click(form.CloseBtn1);
    form.show();
    EXPECT_FALSE(form.ChartBtn1->isEnabled());
}

TEST_F(ShapeFormTest, InchToggleResetsVolumeAndBottomLimitButKeepsLevels) {
    form.X_Edit->setText("1000");
    form.H_Edit->setText("800");
    form.W_Edit->setText("1000");
    form.Y_Edit->setText("300");
    form.Z_Edit->setText("300");
    form.X1_Edit->setText("100");
    form.ReserveCheckBox->click();
    Click(form.CalBtn1);
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"14", "31", "51", "74", "653.91"}));
    form.InchCheckBox->click();
    EXPECT_EQ(form.GroupBox1->title(), "Enter Tank Dimension (Inch)");
    EXPECT_EQ(form.LabeledEdit1Label->text(), "Volume in US Gallons");
    EXPECT_EQ(form.LabeledEdit1->text(), "0");
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"14", "31", "51", "74", "78.74"}));
    form.InchCheckBox->click();
    EXPECT_EQ(Text(form.Label11), "2000");
    EXPECT_EQ(form.GroupBox1->title(), "Enter Tank Dimension (Millimetre)");
}

TEST_F(ShapeFormTest, SaveAndCloseWithYesHandsTheLevelSetOver) {
    std::vector<zeft::LevelSource> told;
    form.OnLevelSetHandedOver = [&](const zeft::LevelSource& source) { told.push_back(source); };
    // A calculation of an earlier opening is not what goes over now.
    form.H_Edit->setText("1000");
    form.X_Edit->setText("1000");
    GoToShape(12);
    Click(form.CalBtn1);
    Click(form.CloseBtn1);
    form.show();
    form.InchCheckBox->click(); // defaults in inch mode: 78.74 inches is 2000 mm
    prompts.Answer(ConfirmAnswer::Yes);
    Click(form.SaveBtn1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].calculated);
    EXPECT_EQ(told[0].bottomLimitMillimetres, "2000");
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Confirm);
    EXPECT_EQ(
        prompts.shown[0].text,
        "Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?");
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"1500", "2000", "20", "40", "60", "80"}));
}

TEST_F(ShapeFormTest, CylinderInInchesHandsOverWholeMillimetres) {
    GoToShape(12);
    form.InchCheckBox->click();
    form.X_Edit->setText("78.74");
    form.H_Edit->setText("39.37");
    Click(form.CalBtn1);
    EXPECT_EQ(Text(form.Label11), "39");
    std::vector<zeft::LevelSource> told;
    form.OnLevelSetHandedOver = [&](const zeft::LevelSource& source) { told.push_back(source); };
    prompts.Answer(ConfirmAnswer::Yes);
    Click(form.SaveBtn1);
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"1500", "991", "14", "37", "63", "86"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].calculated);
    EXPECT_EQ(told[0].shape, 12);
    EXPECT_EQ(told[0].inputs, (std::vector<std::pair<std::string, std::string>>{{"X", "78.74"}, {"H", "39.37"}}));
    EXPECT_EQ(told[0].levels, (std::array<std::string, 4>{"14", "37", "63", "86"}));
    EXPECT_EQ(told[0].bottomLimitMillimetres, "991");
    EXPECT_EQ(told[0].picture, "pictures/shape12.jpg");
}

TEST_F(ShapeFormTest, NoWritesNothingAndClosesAnyway) {
    form.OnLevelSetHandedOver = [](const zeft::LevelSource&) { ADD_FAILURE() << "nothing went over"; };
    for (ConfirmAnswer answer : {ConfirmAnswer::No, ConfirmAnswer::Closed}) {
        form.show();
        prompts.Answer(answer);
        Click(form.SaveBtn1);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"1500", "1800", "21", "41", "61", "81"}));
    }
}

TEST_F(ShapeFormTest, ReopeningStartsAfresh) {
    GoToShape(11);
    form.X_Edit->setText("5");
    form.HalfTankCheckBox->click();
    form.ReserveCheckBox->click();
    form.InchCheckBox->click();
    form.Label6->setText("99");
    Click(form.CloseBtn1);
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_EQ(form.ShapeNo, 1);
    EXPECT_EQ(Text(form.ShapeNoLabel), "Shape No. 1/18");
    for (const QLineEdit* edit : {form.X_Edit, form.H_Edit, form.Y_Edit, form.W_Edit, form.X1_Edit, form.Z_Edit,
                                  form.X2_Edit, form.LabeledEdit1}) {
        EXPECT_EQ(edit->text(), "0") << edit->objectName().toStdString();
    }
    EXPECT_FALSE(form.HalfTankCheckBox->isChecked());
    EXPECT_FALSE(form.ReserveCheckBox->isChecked());
    EXPECT_FALSE(form.InchCheckBox->isChecked());
    EXPECT_EQ(form.GroupBox1->title(), "Enter Tank Dimension (Millimetre)");
    EXPECT_EQ(Text(form.Label1), "* symmetrical about the vertical axis");
    EXPECT_EQ(Results(), (std::array<std::string, 5>{"20", "40", "60", "80", "2000"}));
    EXPECT_FALSE(Shown(form.X2_Edit));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(ShapeFormPictureTest, DamagedPictureIsReportedAndTheWindowGoesOn) {
    zeft::testing::TempFolder folder;
    std::filesystem::create_directories(folder / "pictures");
    folder.Write("pictures/shape1.jpg", "not a jpeg");
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    {
        TNonLinearizationForm form(controls, prompts);
        form.show();
        EXPECT_TRUE(form.Image1->pixmap().isNull());
        form.PicRightBtn->click(); // shape 2 comes from the shipped pictures
        EXPECT_FALSE(form.Image1->pixmap().isNull());
        form.close();
    }
    std::filesystem::current_path(saved);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Error);
    EXPECT_NE(prompts.shown[0].text.find("pictures/shape1.jpg"), std::string::npos) << prompts.shown[0].text;
}

} // namespace
