#pragma once

#include "main/HistoryReader.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zeft {

// File > "History...": the job history's records (time, operation, port, outcome), the
// settings of the one selected, and "Load into Window", which puts them into the main
// window's eight controls as Load does with a file.
class TJobHistoryForm : public QDialog {
    Q_OBJECT

public:
    // Puts a record's settings into the main window's controls.
    using LoadSettings = std::function<void(const RecordedSettings& settings)>;

    // file: where the listing came from, named in the window.
    TJobHistoryForm(HistoryListing listing, const std::string& file, LoadSettings load, QWidget* parent = nullptr);

    // The settings "Load into Window" loads for the selected record: what the sender
    // reported, else what a program sent; none when the record holds neither.
    const RecordedSettings* SelectedSettings() const;

    QLabel* InfoLabel;
    QLabel* RecordsLabel;
    QTableWidget* RecordList;
    QLabel* SettingsLabel;
    QTableWidget* SettingsList;
    QPushButton* LoadBtn;
    QPushButton* CloseBtn;

private:
    void RecordListSelectionChanged();
    void LoadBtnClick();

    HistoryListing listing_;
    LoadSettings load_;
};

} // namespace zeft
