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
// settings of the one selected, "Load into Window", which puts them into the main window's
// eight controls as Load does with a file, and "Compare with Window", which shows them
// beside the controls' settings.
class TJobHistoryForm : public QDialog {
    Q_OBJECT

public:
    // Puts a record's settings into the main window's controls.
    using LoadSettings = std::function<void(const RecordedSettings& settings)>;
    // The main window's settings as they are now.
    using WindowSettings = std::function<RecordedSettings()>;

    // file: where the listing came from, named in the window.
    TJobHistoryForm(HistoryListing listing, const std::string& file, LoadSettings load, WindowSettings window,
                    QWidget* parent = nullptr);

    // The settings "Load into Window" loads for the selected record: what the sender
    // reported, else what a program sent; none when the record holds neither.
    const RecordedSettings* SelectedSettings() const;

    QLabel* InfoLabel;
    QLabel* RecordsLabel;
    QTableWidget* RecordList;
    QLabel* SettingsLabel;
    QTableWidget* SettingsList;
    QPushButton* LoadBtn;
    QPushButton* CompareBtn;
    QPushButton* CloseBtn;

private:
    void RecordListSelectionChanged();
    void LoadBtnClick();
    void CompareBtnClick();

    HistoryListing listing_;
    LoadSettings load_;
    WindowSettings window_;
};

} // namespace zeft
