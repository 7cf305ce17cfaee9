#pragma once

#include "serial/PortDoctor.h"

#include <QDialog>

#include <functional>
#include <thread>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace zeft {

// The port doctor's window: what is wrong with the ports and adapters, each with its fix,
// a button that copies the fixes and one that looks again. The looking runs on a thread of
// its own, so the window stays responsive while /proc and sysfs are read.
class TPortDoctorDlg : public QDialog {
    Q_OBJECT

public:
    using Diagnosis = std::function<std::vector<PortFinding>()>;

    // diagnose: what finds the findings; every port of this machine when empty. The first
    // run starts at once.
    explicit TPortDoctorDlg(QWidget* parent = nullptr, Diagnosis diagnose = {});
    ~TPortDoctorDlg() override;

    bool Running() const { return running_; }
    const std::vector<PortFinding>& Findings() const { return findings_; }

    void RunBtnClick();
    void CopyBtnClick();

    QLabel* Label1;
    QListWidget* ListFindings;
    QLabel* LabelStatus;
    QPushButton* CopyBtn;
    QPushButton* RunBtn;
    QPushButton* CloseBtn;

private:
    void ShowFindings(std::vector<PortFinding> findings);

    Diagnosis diagnose_;
    std::thread worker_;
    bool running_ = false;
    std::vector<PortFinding> findings_;
};

} // namespace zeft
