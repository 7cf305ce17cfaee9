#pragma once

#include "calc/TableCalculation.h"
#include "seams/LevelSource.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeft {
class Prompts;
class SettingsControls;
} // namespace zeft

namespace zeft::calc_ui {

// What the volume and height calculators share: the drawing, five measured values, the
// unit box, the result group, and Calculate / Save & Close / Close. Each opening starts
// from the reset; "Save & Close" hands the level set to the main window.
class TTableCalculatorForm : public QDialog {
    Q_OBJECT

public:
    void FormActivate();
    void InchCheckBoxClick();
    void CalBtnClick();
    void SaveCloseBtnClick();
    void CloseBtnClick();

    QFrame* Panel1;
    QLabel* Image1;
    QGroupBox* GroupBox1;
    QLineEdit* Vol100LEdit;
    QLineEdit* Vol80LEdit;
    QLineEdit* Vol60LEdit;
    QLineEdit* Vol40LEdit;
    QLineEdit* Vol20LEdit;
    QCheckBox* InchCheckBox;
    QGroupBox* GroupBox2;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label10;
    QLabel* LALabel;
    QLabel* LBLabel;
    QLabel* LCLabel;
    QLabel* LDLabel;
    QLabel* BLLabel;
    QPushButton* CalBtn;
    QPushButton* SaveCloseBtn;
    QPushButton* CloseBtn;

    // Told what went over on a confirmed "Save & Close" (the main window keeps it for the setup sheet).
    std::function<void(const LevelSource&)> OnLevelSetHandedOver;

protected:
    struct Texts {
        QString objectName;
        QString title;
        QString groupCaption;
        QString picture;                     // relative picture name
        std::array<QString, 5> editCaptions; // full, 80 %, 60 %, 40 %, 20 %
        std::string confirmation;
    };

    TTableCalculatorForm(const Texts& texts, SettingsControls& mainControls, Prompts& prompts, QWidget* parent);

    // The input grid (two columns of edits, the unit box under them) for a subclass to add to.
    QGridLayout* InputGrid() const { return inputGrid_; }

    // What differs between the two calculators.
    virtual void ResetInputs() {}
    virtual void UnitChanged(bool inchUnit) = 0;
    virtual TableCalculation Calculate(const TableEditTexts& texts, bool inchUnit, char decimalSeparator) const = 0;
    virtual LevelCalculator Calculator() const = 0;

    void showEvent(QShowEvent* event) override;

private:
    SettingsControls& mainControls_;
    Prompts& prompts_;
    QString picture_;
    std::string confirmation_;
    QGridLayout* inputGrid_;
    // What the last calculation of this opening was made from.
    std::optional<LevelSource> lastCalculation_;
};

} // namespace zeft::calc_ui
