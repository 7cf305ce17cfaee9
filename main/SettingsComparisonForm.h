#pragma once

#include "main/SettingsComparison.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zeft {

// Two sets of the eight settings side by side: one row each, with the setting's caption, the
// two values and "differs" in the last column of every row that differs (those rows also in
// bold). Shown by File > "Compare with File..." and "Compare with Device", and by the job
// history's "Compare with Window". Esc or Close closes it.
class TSettingsComparisonForm : public QDialog {
    Q_OBJECT

public:
    struct Side {
        std::string column;      // the column's heading: "Window", "tank.zcf"
        std::string description; // what it holds, for the line above the table
    };

    TSettingsComparisonForm(const SettingsComparison& comparison, const std::string& title, const Side& left,
                            const Side& right, QWidget* parent = nullptr);

    QLabel* InfoLabel;
    QLabel* SummaryLabel;
    QLabel* RowsLabel;
    QTableWidget* RowList;
    QPushButton* CloseBtn;
};

// What marks a row that differs, in words rather than colour alone.
inline constexpr char kComparisonDiffersMark[] = "differs";

} // namespace zeft
