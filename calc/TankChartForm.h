#pragma once

#include "calc/DipTable.h"
#include "calc/TankContent.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zeft {
class Prompts;
namespace ui {
class QtFileDialogs;
} // namespace ui
} // namespace zeft

namespace zeft::calc_ui {

class ContentCurveForm;
class DipTableModel;

// "Tank Chart": how much a tank holds at any height. The content curve with the points of
// levels A to D, the dip table at a step the user picks, and both saved as CSV or PDF.
class TTankChartForm : public QDialog {
    Q_OBJECT

public:
    TTankChartForm(const TankContent& content, Prompts& prompts, QWidget* parent = nullptr);
    ~TTankChartForm() override;

    void StepEditChange();
    void SaveCsvBtnClick();
    void SavePdfBtnClick();

    // The table shown (the last step that was valid).
    const std::vector<DipRow>& Rows() const;
    // One line on the tank: shape, dimensions and volume.
    QString Description() const;

    QLabel* TankLabel;
    ContentCurveForm* ContentCurve;
    QLabel* StepLabel;
    QLineEdit* StepEdit;
    QLabel* StepErrorLabel;
    QLabel* TableLabel;
    QTableView* DipTableView;
    QPushButton* SaveCsvBtn;
    QPushButton* SavePdfBtn;
    QPushButton* CloseBtn;

private:
    // Asks for the name, adds the extension when none was typed, and writes the bytes
    // through the atomic save; failures are shown in the application's error box.
    void SaveAs(const std::string& caption, const std::string& filter, const std::string& extension,
                const std::function<std::string()>& contents);

    TankContent content_;
    Prompts& prompts_;
    std::unique_ptr<ui::QtFileDialogs> dialogs_;
    DipTableModel* model_;
};

} // namespace zeft::calc_ui
