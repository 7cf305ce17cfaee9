#pragma once

#include "calc/TankContent.h"
#include "seams/LevelSource.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeft {
class Prompts;
class SettingsControls;
} // namespace zeft

namespace zeft::calc_ui {

// The shape calculator: pick one of the tank shapes, enter its dimensions, calculate
// the levels, bottom limit and volume, and hand the level set to the main window. One
// instance lives for the whole run and is shown modally; closing it clears what was typed.
class TNonLinearizationForm : public QDialog {
    Q_OBJECT

public:
    // mainControls: the main window's settings edits that "Save & Close" writes into.
    TNonLinearizationForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent = nullptr);

    void HalfTankCheckBoxClick();
    void CalBtn2Click();
    void CloseBtn1Click();
    void FormClose();
    void SaveBtn1Click();
    void InchCheckBoxClick();
    void PicRightBtnClick();
    void UpdateForm();
    void PicLeftBtnClick();
    void FormActivate();
    // Opens the Tank Chart of the last successful calculation.
    void ChartBtn1Click();

    QPushButton* CloseBtn1;
    QFrame* Panel1;
    QLabel* Image1;
    QGroupBox* GroupBox1;
    QLineEdit* X_Edit;
    QLineEdit* Y_Edit;
    QLineEdit* W_Edit;
    QLineEdit* H_Edit;
    QGroupBox* GroupBox2;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLineEdit* LabeledEdit1;
    QLineEdit* Z_Edit;
    QLineEdit* X1_Edit;
    QPushButton* CalBtn1;
    QCheckBox* HalfTankCheckBox;
    QCheckBox* ReserveCheckBox;
    QLabel* Label10;
    QLabel* Label11;
    QPushButton* SaveBtn1;
    QCheckBox* InchCheckBox;
    QPushButton* PicLeftBtn;
    QPushButton* PicRightBtn;
    QLabel* ShapeNoLabel;
    QLabel* Label1;
    QLineEdit* X2_Edit;
    QLabel* LabeledEdit1Label;
    QPushButton* ChartBtn1;

    // Told what went over on a confirmed "Save & Close" (the main window keeps it for the setup sheet).
    std::function<void(const LevelSource&)> OnLevelSetHandedOver;

    // The shape shown (1 to ShapeCount) and the number of shapes.
    int ShapeNo = 1;
    int ShapeCount = kShapeCount;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadShapePicture();

    SettingsControls& mainControls_;
    Prompts& prompts_;
    // Set while UpdateForm unchecks "Half Tank" itself: it loads the picture once after.
    bool pictureLoadDeferred_ = false;
    // The tank of the last successful calculation, while its results are shown.
    std::optional<TankContent> calculated_;
    // What the last calculation of this opening was made from.
    std::optional<LevelSource> lastCalculation_;
};

} // namespace zeft::calc_ui
