#pragma once

#include "calc/DipTable.h"
#include "calc/TankContent.h"

#include <QDialog>

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QThread;
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
// levels A to D and the gauge's reading beside it, the dip table at a step and in a volume
// unit the user picks, and both saved as CSV or PDF.
class TTankChartForm : public QDialog {
    Q_OBJECT

public:
    TTankChartForm(const TankContent& content, Prompts& prompts, QWidget* parent = nullptr);
    ~TTankChartForm() override;

    void StepEditChange();
    void VolumeUnitBoxChange();
    void SaveCsvBtnClick();
    void SavePdfBtnClick();

    // True while a PDF is being drawn and written (in a thread of its own: a long table
    // takes seconds).
    bool SavingPdf() const;
    // True while the table of a new step is being computed (in a thread of its own: a row
    // costs a content calculation, and a long table of some shapes takes seconds).
    bool ComputingTable() const;

    // The table shown (the last step that was valid).
    const std::vector<DipRow>& Rows() const;
    // One line on the tank: shape, dimensions, volume and the reserve level.
    QString Description() const;
    // Where and by how much the gauge is off the most.
    QString GaugeErrorDescription() const;

    QLabel* TankLabel;
    QLabel* GaugeErrorLabel;
    ContentCurveForm* ContentCurve;
    QLabel* StepLabel;
    QLineEdit* StepEdit;
    QLabel* StepErrorLabel;
    QLabel* VolumeUnitLabel;
    QComboBox* VolumeUnitBox;
    QLabel* TableLabel;
    QTableView* DipTableView;
    QPushButton* SaveCsvBtn;
    QPushButton* SavePdfBtn;
    QPushButton* CloseBtn;

private:
    // Asks for the name and adds the extension when none was typed (asking before it
    // replaces a file of that longer name). Nothing when the user cancelled.
    std::optional<std::filesystem::path> AskTarget(const std::string& caption, const std::string& filter,
                                                   const std::string& extension);
    void UpdateSaveButtons();
    void PdfSaved();
    void StartTable();
    void TableComputed();
    void StopTable();

    TankContent content_;
    Prompts& prompts_;
    std::unique_ptr<ui::QtFileDialogs> dialogs_;
    DipTableModel* model_;
    DipVolumes volumes_;
    GaugeError gaugeError_;
    bool stepValid_ = true;
    // The table thread, the step waiting for it to end, the flag that ends it early and what
    // it leaves behind (read only after it ended).
    std::unique_ptr<QThread> tableThread_;
    std::optional<std::string> pendingStep_;
    std::atomic<bool> stopTable_{false};
    DipTable computedTable_;
    // The PDF thread and what it leaves behind: the file error, if any.
    std::unique_ptr<QThread> pdfThread_;
    std::optional<std::string> pdfError_;
};

} // namespace zeft::calc_ui
