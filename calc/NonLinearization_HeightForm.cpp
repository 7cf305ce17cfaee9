#include "calc/NonLinearization_HeightForm.h"

#include "calc/CalculatorFormParts.h"
#include "seams/TextTranslation.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace zeft::calc_ui {

TNonLinearHeightForm::TNonLinearHeightForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent)
    : TTableCalculatorForm({QStringLiteral("NonLinearHeightForm"),
                            tr("Non-linear Tank Parameter Calculation by Tank Height"),
                            tr("Enter Tank Height Information (Millimetre)"),
                            QStringLiteral("pictures/height_table.jpg"),
                            {tr("Height @ Full Tank"), tr("Height @ 80% Volume"), tr("Height @ 60% Volume"),
                             tr("Height @ 40% Volume"), tr("Height @ 20% Volume")},
                            ZEFT_TEXT("Core", "This method is just an estimation and is not accurate comparing to "
                                              "the Volume and Shape method! Are you sure you want to update the "
                                              "parameters with those in the Non-Linear Calculated Values group box?")},
                           mainControls, prompts, parent) {
    SetTabChain({Vol100LEdit, Vol80LEdit, Vol60LEdit, Vol40LEdit, Vol20LEdit, InchCheckBox});
}

void TNonLinearHeightForm::UnitChanged(bool inchUnit) {
    GroupBox1->setTitle(inchUnit ? tr("Enter Tank Height Information (Inch)")
                                 : tr("Enter Tank Height Information (Millimetre)"));
}

TableCalculation TNonLinearHeightForm::Calculate(const TableEditTexts& texts, bool inchUnit,
                                                 char decimalSeparator) const {
    return CalculateByHeight(texts, inchUnit, decimalSeparator);
}

} // namespace zeft::calc_ui
