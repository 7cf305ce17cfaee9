#include "calc/NonLinearization_VolumeForm.h"

#include "calc/CalculatorFormParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zeft::calc_ui {

TNonLinearVolumeForm::TNonLinearVolumeForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent)
    : TTableCalculatorForm({QStringLiteral("NonLinearVolumeForm"),
                            tr("Non-linear Tank Parameter Calculation by Tank Volume"),
                            tr("Enter Tank Volume Information (Litre or Gallon)"),
                            QStringLiteral("pictures/volume_table.jpg"),
                            {tr("Volume @ Full Tank"), tr("Volume @ 80% H"), tr("Volume @ 60% H"),
                             tr("Volume @ 40% of H"), tr("Volume @ 20% of H")},
                            kConfirmLevelHandOver},
                           mainControls, prompts, parent) {
    HeightLEdit = MakeLabeledEdit(GroupBox1, QStringLiteral("HeightLEdit"), tr("H (Millimetre)"), QStringLiteral("0"),
                                  false, &HeightLEditLabel);
    InputGrid()->addWidget(HeightLEdit->parentWidget(), 2, 1);
    SetTabChain({Vol100LEdit, Vol80LEdit, Vol60LEdit, Vol40LEdit, Vol20LEdit, HeightLEdit, InchCheckBox});
}

void TNonLinearVolumeForm::ResetInputs() {
    HeightLEdit->setText(QStringLiteral("0"));
}

void TNonLinearVolumeForm::UnitChanged(bool inchUnit) {
    HeightLEditLabel->setText(inchUnit ? tr("H (inch)") : tr("H (mm)"));
}

TableCalculation TNonLinearVolumeForm::Calculate(const TableEditTexts& texts, bool inchUnit,
                                                 char decimalSeparator) const {
    return CalculateByVolume(texts, HeightLEdit->text().toStdString(), inchUnit, decimalSeparator);
}

} // namespace zeft::calc_ui
