#pragma once

#include "calc/TableCalculatorForm.h"

namespace zeft::calc_ui {

// The volume-table calculator: levels from the volumes held at 20, 40, 60 and 80 % of the
// tank height H; the bottom limit is H.
class TNonLinearVolumeForm : public TTableCalculatorForm {
    Q_OBJECT

public:
    TNonLinearVolumeForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent = nullptr);

    QLineEdit* HeightLEdit;
    QLabel* HeightLEditLabel;

protected:
    void ResetInputs() override;
    void UnitChanged(bool inchUnit) override;
    TableCalculation Calculate(const TableEditTexts& texts, bool inchUnit, char decimalSeparator) const override;
    LevelCalculator Calculator() const override { return LevelCalculator::Volume; }
};

} // namespace zeft::calc_ui
