#include "main/JobHistoryForm.h"

#include "main/SenderSettings.h"
#include "main/SettingsComparisonForm.h"
#include "ui/Translations.h"
#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace zeft {
namespace {

using ui::MakeButton;
using ui::MakeLabel;
using ui::Named;

QString ItemText(const std::optional<int>& code, int index, auto items) {
    if (!code) {
        return QCoreApplication::translate("zeft::TJobHistoryForm", "(none selected)");
    }
    if (index < 0) {
        return QString::number(*code);
    }
    return QString::fromLatin1(items[static_cast<std::size_t>(index)].data(),
                               static_cast<qsizetype>(items[static_cast<std::size_t>(index)].size()));
}

// The eight values in the window's order.
std::array<QString, 8> SettingTexts(const RecordedSettings& settings) {
    std::array<QString, 8> texts;
    texts[0] = ItemText(settings.outputType, settings.outputType ? OutputTypeIndexFromCode(*settings.outputType) : -1,
                        kOutputTypeItems);
    texts[1] = ItemText(settings.fluidType, settings.fluidType ? FluidTypeIndexFromCode(*settings.fluidType) : -1,
                        kFluidTypeItems);
    for (std::size_t i = 0; i < settings.edits.size(); ++i) {
        texts[2 + i] = ui::FromUtf8(settings.edits[i]);
    }
    return texts;
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers) {
    auto* table = Named(new QTableWidget(0, static_cast<int>(headers.size()), parent), name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

TJobHistoryForm::TJobHistoryForm(HistoryListing listing, const std::string& file, LoadSettings load,
                                 WindowSettings window, QWidget* parent)
    : QDialog(parent), listing_(std::move(listing)), load_(std::move(load)), window_(std::move(window)) {
    setObjectName(QStringLiteral("JobHistoryForm"));
    setWindowTitle(tr("Job History"));

    QString info = tr("%1 records in %2").arg(listing_.records.size()).arg(ui::FromUtf8(file));
    if (listing_.error) {
        info = tr("The job history %1 cannot be read: %2").arg(ui::FromUtf8(file), ui::FromUtf8(*listing_.error));
    } else if (listing_.skipped > 0) {
        info += tr("; %1 lines that are not whole records were skipped").arg(listing_.skipped);
    }
    InfoLabel = MakeLabel(this, "InfoLabel", "");
    InfoLabel->setText(info);
    InfoLabel->setWordWrap(true);

    RecordsLabel = MakeLabel(this, "RecordsLabel", tr("&Records, oldest first:"));
    RecordList = MakeTable(this, "RecordList", {tr("Time"), tr("Operation"), tr("Port"), tr("Outcome")});
    RecordsLabel->setBuddy(RecordList);
    RecordList->setRowCount(static_cast<int>(listing_.records.size()));
    for (int row = 0; row < RecordList->rowCount(); ++row) {
        const HistoryRecord& record = listing_.records[static_cast<std::size_t>(row)];
        // The file keeps its texts in English; they are shown in the window's language.
        const std::array<QString, 4> cells{ui::FromUtf8(record.time),
                                           ui::CoreText("Core", std::string(HistoryOperationName(record.operation))),
                                           ui::FromUtf8(record.port), ui::CoreText("Core", record.outcome)};
        for (int column = 0; column < 4; ++column) {
            RecordList->setItem(row, column, new QTableWidgetItem(cells[static_cast<std::size_t>(column)]));
        }
    }
    RecordList->resizeColumnsToContents();

    SettingsLabel = MakeLabel(this, "SettingsLabel", tr("&Settings of the selected record:"));
    SettingsList = MakeTable(this, "SettingsList", {tr("Sent"), tr("Reported")});
    SettingsLabel->setBuddy(SettingsList);
    const std::array<const char*, 8> names{QT_TR_NOOP("Output Type"),
                                           QT_TR_NOOP("Fluid Type"),
                                           QT_TR_NOOP("Top Limit (Millimetre)"),
                                           QT_TR_NOOP("Bottom Limit (Millimetre)"),
                                           QT_TR_NOOP("Level A"),
                                           QT_TR_NOOP("Level B"),
                                           QT_TR_NOOP("Level C"),
                                           QT_TR_NOOP("Level D")};
    SettingsList->setRowCount(static_cast<int>(names.size()));
    SettingsList->verticalHeader()->setVisible(true);
    QStringList rowNames;
    for (const char* name : names) {
        rowNames << tr(name);
    }
    SettingsList->setVerticalHeaderLabels(rowNames);
    SettingsList->setSelectionMode(QAbstractItemView::NoSelection);
    SettingsList->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // All eight settings in view, without scrolling.
    int rowsHeight = SettingsList->horizontalHeader()->sizeHint().height() + 2 * SettingsList->frameWidth();
    for (int row = 0; row < SettingsList->rowCount(); ++row) {
        rowsHeight += SettingsList->rowHeight(row);
    }
    SettingsList->setMinimumHeight(rowsHeight);

    LoadBtn = MakeButton(this, "LoadBtn", tr("&Load into Window"));
    CompareBtn = MakeButton(this, "CompareBtn", tr("&Compare with Window"));
    CloseBtn = MakeButton(this, "CloseBtn", tr("Close"));
    LoadBtn->setAutoDefault(false);
    CompareBtn->setAutoDefault(false);
    connect(LoadBtn, &QPushButton::clicked, this, &TJobHistoryForm::LoadBtnClick);
    connect(CompareBtn, &QPushButton::clicked, this, &TJobHistoryForm::CompareBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(RecordList, &QTableWidget::itemSelectionChanged, this, &TJobHistoryForm::RecordListSelectionChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(LoadBtn);
    buttons->addWidget(CompareBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InfoLabel);
    layout->addWidget(RecordsLabel);
    layout->addWidget(RecordList, 1);
    layout->addWidget(SettingsLabel);
    layout->addWidget(SettingsList, 0);
    layout->addLayout(buttons);
    resize(760, 640);

    // The newest record first in view and selected: usually the one wanted.
    if (RecordList->rowCount() > 0) {
        RecordList->selectRow(RecordList->rowCount() - 1);
    }
    RecordListSelectionChanged();
    RecordList->setFocus();
}

const RecordedSettings* TJobHistoryForm::SelectedSettings() const {
    const int row = RecordList->currentRow();
    if (row < 0 || row >= static_cast<int>(listing_.records.size()) || RecordList->selectedItems().isEmpty()) {
        return nullptr;
    }
    const HistoryRecord& record = listing_.records[static_cast<std::size_t>(row)];
    if (record.settings) {
        return &*record.settings;
    }
    return record.sent ? &*record.sent : nullptr;
}

void TJobHistoryForm::RecordListSelectionChanged() {
    const int row = RecordList->selectedItems().isEmpty() ? -1 : RecordList->currentRow();
    const HistoryRecord* record = row >= 0 && row < static_cast<int>(listing_.records.size())
                                      ? &listing_.records[static_cast<std::size_t>(row)]
                                      : nullptr;
    const std::array<const std::optional<RecordedSettings>*, 2> columns{record ? &record->sent : nullptr,
                                                                        record ? &record->settings : nullptr};
    for (int column = 0; column < 2; ++column) {
        const auto* settings = columns[static_cast<std::size_t>(column)];
        const std::array<QString, 8> texts =
            settings && *settings ? SettingTexts(**settings) : std::array<QString, 8>{};
        for (int i = 0; i < 8; ++i) {
            SettingsList->setItem(i, column, new QTableWidgetItem(texts[static_cast<std::size_t>(i)]));
        }
    }
    LoadBtn->setEnabled(SelectedSettings() != nullptr);
    CompareBtn->setEnabled(SelectedSettings() != nullptr && window_);
}

void TJobHistoryForm::LoadBtnClick() {
    if (const RecordedSettings* settings = SelectedSettings(); settings && load_) {
        load_(*settings);
        accept();
    }
}

void TJobHistoryForm::CompareBtnClick() {
    const RecordedSettings* settings = SelectedSettings();
    if (settings == nullptr || !window_) {
        return;
    }
    const HistoryRecord& record = listing_.records[static_cast<std::size_t>(RecordList->currentRow())];
    const QString which = record.settings ? tr("as the sender reported them") : tr("as the program sent them");
    const QString description = tr("the %1 of %2 on %3, %4")
                                    .arg(ui::CoreText("Core", std::string(HistoryOperationName(record.operation))),
                                         ui::FromUtf8(record.time), ui::FromUtf8(record.port), which);
    TSettingsComparisonForm form(CompareSettings(*settings, window_()), tr("Compare with Window").toStdString(),
                                 {tr("Record").toStdString(), description.toStdString()},
                                 {tr("Window").toStdString(), tr("the settings in the main window").toStdString()},
                                 this);
    form.exec();
}

} // namespace zeft
