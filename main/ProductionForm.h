#pragma once

#include "main/RecordedSettings.h"

#include <QDialog>

#include <filesystem>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zeft {

class FileDialogs;
class Prompts;
class ProductionRun;
class TSerialLink;

namespace ui {
class QtIntervalTimer;
}

// File > "Production...": programs one sender after another with the same settings (the
// main window's, or a .zcf), each verified, counted and recorded with the job label and
// a running unit number. The state shows in large type and is announced to screen
// readers; Start and Stop work from the keyboard. It borrows the main window's port for
// as long as it is open.
class TProductionForm : public QDialog {
    Q_OBJECT

public:
    TProductionForm(TSerialLink& port, Prompts& prompts, FileDialogs& dialogs, const RecordedSettings& settings,
                    const std::filesystem::path& historyFile, const std::string& label, QWidget* parent = nullptr);
    ~TProductionForm() override;

    ProductionRun& Run() { return *run_; }

    QLabel* SourceLabel;
    QPushButton* LoadBtn;
    QLabel* JobLabelLabel;
    QLineEdit* EditJobLabel;
    QLabel* CountLabel;
    QSpinBox* EditCount;
    QLabel* StateLabel;
    QLabel* PassedLabel;
    QLabel* FailedLabel;
    QLabel* SummaryLabel;
    QPushButton* StartBtn;
    QPushButton* StopBtn;
    QPushButton* CloseBtn;

    void StartBtnClick();
    void StopBtnClick();
    void LoadBtnClick();

protected:
    void reject() override;

private:
    void ShowState();
    void ShowCounts();
    void Ended();
    void UpdateButtons();

    Prompts& prompts_;
    FileDialogs& dialogs_;
    std::unique_ptr<ui::QtIntervalTimer> engineTimer_;
    std::unique_ptr<ui::QtIntervalTimer> waitTimer_;
    std::unique_ptr<ProductionRun> run_;
};

} // namespace zeft
