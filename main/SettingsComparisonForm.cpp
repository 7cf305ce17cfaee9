#include "main/SettingsComparisonForm.h"

#include "ui/Translations.h"
#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeft {
namespace {

using ui::MakeButton;
using ui::MakeLabel;
using ui::Named;

} // namespace

TSettingsComparisonForm::TSettingsComparisonForm(const SettingsComparison& comparison, const std::string& title,
                                                 const Side& left, const Side& right, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SettingsComparisonForm"));
    setWindowTitle(ui::FromUtf8(title));

    InfoLabel = MakeLabel(this, "InfoLabel", "");
    InfoLabel->setText(tr("Left: %1\nRight: %2").arg(ui::FromUtf8(left.description), ui::FromUtf8(right.description)));
    InfoLabel->setWordWrap(true);
    InfoLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const std::size_t differing = DifferingRows(comparison);
    SummaryLabel = MakeLabel(this, "SummaryLabel", "");
    SummaryLabel->setText(differing == 0 ? tr("The settings are the same.")
                                         : tr("%1 of %2 settings %3: the rows marked \"%4\".")
                                               .arg(differing)
                                               .arg(comparison.rows.size())
                                               .arg(differing == 1 ? tr("differs") : tr("differ"))
                                               .arg(QString::fromLatin1(kComparisonDiffersMark)));

    RowsLabel = MakeLabel(this, "RowsLabel", tr("&Settings:"));
    RowList = Named(new QTableWidget(static_cast<int>(comparison.rows.size()), 4, this), "RowList");
    RowsLabel->setBuddy(RowList);
    RowList->setHorizontalHeaderLabels(
        {tr("Setting"), ui::FromUtf8(left.column), ui::FromUtf8(right.column), tr("Difference")});
    RowList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RowList->setSelectionBehavior(QAbstractItemView::SelectRows);
    RowList->setSelectionMode(QAbstractItemView::SingleSelection);
    RowList->verticalHeader()->setVisible(false);
    RowList->setTabKeyNavigation(false); // Tab leaves the table for the button
    for (std::size_t row = 0; row < comparison.rows.size(); ++row) {
        const SettingsComparisonRow& values = comparison.rows[row];
        const QString cells[4] = {
            ui::CoreText("Core", values.setting), ui::FromUtf8(ShownComparisonValue(row, values.left)),
            ui::FromUtf8(ShownComparisonValue(row, values.right)),
            values.same ? ui::FromUtf8(values.note) : QString::fromLatin1(kComparisonDiffersMark)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (!values.same) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            RowList->setItem(static_cast<int>(row), column, item);
        }
    }
    RowList->resizeColumnsToContents();
    RowList->horizontalHeader()->setStretchLastSection(true);
    // All eight rows and the columns in view, without scrolling.
    int height = RowList->horizontalHeader()->sizeHint().height() + 2 * RowList->frameWidth();
    for (int row = 0; row < RowList->rowCount(); ++row) {
        height += RowList->rowHeight(row);
    }
    int width = 2 * RowList->frameWidth();
    for (int column = 0; column < RowList->columnCount(); ++column) {
        width += RowList->columnWidth(column);
    }
    RowList->setMinimumSize(width, height);

    CloseBtn = MakeButton(this, "CloseBtn", tr("Close"));
    CloseBtn->setDefault(true);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InfoLabel);
    layout->addWidget(SummaryLabel);
    layout->addWidget(RowsLabel);
    layout->addWidget(RowList, 1);
    layout->addLayout(buttons);
    RowList->setFocus();
}

} // namespace zeft
