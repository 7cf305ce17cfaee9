#pragma once

#include "main/JobSettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeft {

// File > "Job...": what the work is for (the job label), who does it (the installer) and
// whether Program Device reads the sender first. The main window keeps them between runs.
class TJobForm : public QDialog {
    Q_OBJECT

public:
    explicit TJobForm(const JobSettings& job, QWidget* parent = nullptr);

    // The settings as the window now holds them.
    JobSettings Job() const;

    QLabel* LabelLabel;
    QLineEdit* LabelEdit;
    QLabel* InstallerLabel;
    QLineEdit* InstallerEdit;
    QCheckBox* ReadFirstCheckBox;
    QLabel* ReadFirstNote;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    JobSettings job_;
};

} // namespace zeft
