#pragma once

#include "seams/LevelSource.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zeft {
class Prompts;
class SettingsControls;
namespace ui {
class QtFileDialogs;
} // namespace ui
} // namespace zeft

namespace zeft::calc_ui {

// "Measured Table": a tank's measured (height, volume) points, typed, pasted or imported
// from a CSV file, turned into the four levels and the bottom limit, and handed to the main
// window with Save & Close like the other calculators. Each opening starts afresh.
class TMeasuredTableForm : public QDialog {
    Q_OBJECT

public:
    TMeasuredTableForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent = nullptr);
    ~TMeasuredTableForm() override;

    void FormActivate();
    void InchCheckBoxClick();
    void ImportBtnClick();
    void CalBtnClick();
    void SaveCloseBtnClick();
    void CloseBtnClick();
    // The results back to the defaults and nothing to hand over: the inputs changed.
    void ClearResults();

    QGroupBox* GroupBox1;
    QLabel* TableLabel;
    QPlainTextEdit* TableEdit;
    QPushButton* ImportBtn;
    QLineEdit* HeightLEdit;
    QLabel* HeightLEditLabel;
    QCheckBox* InchCheckBox;
    QCheckBox* ReserveCheckBox;
    QLabel* VolumeUnitLabel;
    QComboBox* VolumeUnitBox;
    QGroupBox* GroupBox2;
    QLabel* LALabel;
    QLabel* LBLabel;
    QLabel* LCLabel;
    QLabel* LDLabel;
    QLabel* BLLabel;
    QLabel* VolumeLabel;
    QLabel* GaugeErrorLabel;
    QPushButton* CalBtn;
    QPushButton* SaveCloseBtn;
    QPushButton* CloseBtn;

    // Told what went over on a confirmed "Save & Close" (the main window keeps it for the setup sheet).
    std::function<void(const LevelSource&)> OnLevelSetHandedOver;

protected:
    void showEvent(QShowEvent* event) override;

private:
    SettingsControls& mainControls_;
    Prompts& prompts_;
    std::unique_ptr<ui::QtFileDialogs> dialogs_;
    std::optional<LevelSource> lastCalculation_;
};

} // namespace zeft::calc_ui
