#pragma once

#include "main/HistoryFilter.h"
#include "main/HistoryReader.h"

#include <QDialog>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zeft {

// File > "History...": every record of the job history, newest first, filtered by label,
// port, operation, outcome and date; times in local time with the zone. The settings of
// the one selected (sent, reported, as found); "Export..." writes the records shown as
// CSV, "Setup Sheet..." the selected record's sheet as a PDF; "Load into Window" puts its
// settings into the main window's eight controls as Load does with a file, and "Compare
// with Window" shows them beside the controls' settings.
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
    // The record selected; none when none is.
    const HistoryRecord* SelectedRecord() const;
    // The filter as the fields set it; the error names a date field that holds no date.
    HistoryFilter Filter(std::string& error) const;

    QLabel* InfoLabel;
    QLabel* LabelFilterLabel;
    QLineEdit* LabelFilterEdit;
    QLabel* PortFilterLabel;
    QComboBox* PortFilterBox;
    QLabel* OperationFilterLabel;
    QComboBox* OperationFilterBox;
    QLabel* OutcomeFilterLabel;
    QComboBox* OutcomeFilterBox;
    QLabel* SinceLabel;
    QLineEdit* SinceEdit;
    QLabel* UntilLabel;
    QLineEdit* UntilEdit;
    QLabel* RecordsLabel;
    QTableWidget* RecordList;
    QLabel* SettingsLabel;
    QTableWidget* SettingsList;
    QPushButton* ExportBtn;
    QPushButton* SheetBtn;
    QPushButton* LoadBtn;
    QPushButton* CompareBtn;
    QPushButton* CloseBtn;

private:
    void CreateFilters();
    void FilterChanged();
    void RecordListSelectionChanged();
    void ExportBtnClick();
    void SheetBtnClick();
    void LoadBtnClick();
    void CompareBtnClick();

    HistoryListing listing_;
    // The records shown, newest first: indexes into listing_.records.
    std::vector<std::size_t> shown_;
    LoadSettings load_;
    WindowSettings window_;
};

} // namespace zeft
