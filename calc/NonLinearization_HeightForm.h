#pragma once

#include "calc/TableCalculatorForm.h"

namespace zeft::calc_ui {

// The height-table calculator: levels from the heights at which the tank holds 20, 40, 60
// and 80 % of its volume, interpolated; the bottom limit is the full height. An estimate,
// as its confirmation says.
class TNonLinearHeightForm : public TTableCalculatorForm {
    Q_OBJECT

public:
    TNonLinearHeightForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent = nullptr);

protected:
    void UnitChanged(bool inchUnit) override;
    TableCalculation Calculate(const TableEditTexts& texts, bool inchUnit, char decimalSeparator) const override;
    LevelCalculator Calculator() const override { return LevelCalculator::Height; }
};

} // namespace zeft::calc_ui
