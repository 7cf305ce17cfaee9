#include "main/JobHistoryForm.h"

#include "main/LocalTime.h"
#include "main/SenderSettings.h"
#include "main/SettingNames.h"
#include "main/SettingsComparisonForm.h"
#include "main/SetupSheet.h"
#include "main/SetupSheetCommands.h"
#include "main/SetupSheetPdf.h"
#include "seams/TextTranslation.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtPrompts.h"
#include "ui/Translations.h"
#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <set>
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
    InfoLabel = MakeLabel(this, "InfoLabel", info);
    InfoLabel->setWordWrap(true);

    CreateFilters();
    RecordsLabel = MakeLabel(this, "RecordsLabel", tr("&Records, newest first:"));
    RecordList = MakeTable(this, "RecordList",
                           {tr("Time"), tr("Operation"), tr("Port"), tr("Label"), tr("Installer"), tr("Outcome")});
    RecordsLabel->setBuddy(RecordList);

    SettingsLabel = MakeLabel(this, "SettingsLabel", tr("&Settings of the selected record:"));
    SettingsList = MakeTable(this, "SettingsList", {tr("Sent"), tr("Reported"), tr("As Found")});
    SettingsLabel->setBuddy(SettingsList);
    SettingsList->setRowCount(static_cast<int>(kSettingNames.size()));
    SettingsList->verticalHeader()->setVisible(true);
    QStringList rowNames;
    for (const SettingNames& names : kSettingNames) {
        rowNames << ui::CoreText("Core", std::string(names.withUnit));
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

    ExportBtn = MakeButton(this, "ExportBtn", tr("&Export..."));
    SheetBtn = MakeButton(this, "SheetBtn", tr("Setup S&heet..."));
    ExportBtn->setAutoDefault(false);
    SheetBtn->setAutoDefault(false);
    connect(ExportBtn, &QPushButton::clicked, this, &TJobHistoryForm::ExportBtnClick);
    connect(SheetBtn, &QPushButton::clicked, this, &TJobHistoryForm::SheetBtnClick);
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
    buttons->addWidget(ExportBtn);
    buttons->addWidget(SheetBtn);
    buttons->addStretch(1);
    buttons->addWidget(LoadBtn);
    buttons->addWidget(CompareBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InfoLabel);
    auto* filters = new QGridLayout;
    const std::array<std::pair<QLabel*, QWidget*>, 6> fields{{{LabelFilterLabel, LabelFilterEdit},
                                                              {PortFilterLabel, PortFilterBox},
                                                              {OperationFilterLabel, OperationFilterBox},
                                                              {OutcomeFilterLabel, OutcomeFilterBox},
                                                              {SinceLabel, SinceEdit},
                                                              {UntilLabel, UntilEdit}}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int row = static_cast<int>(i / 3);
        const int column = static_cast<int>(i % 3) * 2;
        filters->addWidget(fields[i].first, row, column);
        filters->addWidget(fields[i].second, row, column + 1);
        filters->setColumnStretch(column + 1, 1);
    }
    layout->addLayout(filters);
    layout->addWidget(RecordsLabel);
    layout->addWidget(RecordList, 1);
    layout->addWidget(SettingsLabel);
    layout->addWidget(SettingsList, 0);
    layout->addLayout(buttons);
    resize(900, 680);

    FilterChanged();
    RecordList->setFocus();
}

void TJobHistoryForm::CreateFilters() {
    LabelFilterEdit = Named(new QLineEdit(this), "LabelFilterEdit");
    LabelFilterEdit->setPlaceholderText(tr("any part of the label"));
    LabelFilterLabel = MakeLabel(this, "LabelFilterLabel", tr("La&bel:"));
    PortFilterBox = Named(new QComboBox(this), "PortFilterBox");
    PortFilterLabel = MakeLabel(this, "PortFilterLabel", tr("&Port:"));
    OperationFilterBox = Named(new QComboBox(this), "OperationFilterBox");
    OperationFilterLabel = MakeLabel(this, "OperationFilterLabel", tr("&Operation:"));
    OutcomeFilterBox = Named(new QComboBox(this), "OutcomeFilterBox");
    OutcomeFilterLabel = MakeLabel(this, "OutcomeFilterLabel", tr("O&utcome:"));
    SinceEdit = Named(new QLineEdit(this), "SinceEdit");
    SinceLabel = MakeLabel(this, "SinceLabel", tr("&From:"));
    UntilEdit = Named(new QLineEdit(this), "UntilEdit");
    UntilLabel = MakeLabel(this, "UntilLabel", tr("&To:"));
    for (QLineEdit* date : {SinceEdit, UntilEdit}) {
        date->setPlaceholderText(tr("YYYY-MM-DD"));
        connect(date, &QLineEdit::textChanged, this, &TJobHistoryForm::FilterChanged);
    }
    const std::array<std::pair<QLabel*, QWidget*>, 6> buddies{{{LabelFilterLabel, LabelFilterEdit},
                                                               {PortFilterLabel, PortFilterBox},
                                                               {OperationFilterLabel, OperationFilterBox},
                                                               {OutcomeFilterLabel, OutcomeFilterBox},
                                                               {SinceLabel, SinceEdit},
                                                               {UntilLabel, UntilEdit}}};
    for (const auto& [label, control] : buddies) {
        label->setBuddy(control);
    }
    PortFilterBox->addItem(tr("All ports"));
    std::set<std::string> ports;
    for (const HistoryRecord& record : listing_.records) {
        ports.insert(record.port);
    }
    for (const std::string& port : ports) {
        PortFilterBox->addItem(ui::FromUtf8(port));
    }
    OperationFilterBox->addItems({tr("All operations"), tr("read"), tr("program"), tr("restore")});
    OutcomeFilterBox->addItems({tr("All outcomes"), tr("success"), tr("failure")});
    connect(LabelFilterEdit, &QLineEdit::textChanged, this, &TJobHistoryForm::FilterChanged);
    for (QComboBox* box : {PortFilterBox, OperationFilterBox, OutcomeFilterBox}) {
        connect(box, &QComboBox::currentIndexChanged, this, &TJobHistoryForm::FilterChanged);
    }
}

HistoryFilter TJobHistoryForm::Filter(std::string& error) const {
    HistoryFilter filter;
    filter.label = LabelFilterEdit->text().trimmed().toStdString();
    if (PortFilterBox->currentIndex() > 0) {
        filter.port = PortFilterBox->currentText().toStdString();
    }
    constexpr std::array<DeviceOperation, 3> kOperations{DeviceOperation::Read, DeviceOperation::Program,
                                                         DeviceOperation::Restore};
    if (const int operation = OperationFilterBox->currentIndex(); operation > 0) {
        filter.operation = kOperations[static_cast<std::size_t>(operation - 1)];
    }
    filter.outcome = static_cast<HistoryOutcomeFilter>(std::max(0, OutcomeFilterBox->currentIndex()));
    error = SetHistoryDays(filter, SinceEdit->text().trimmed().toStdString(), UntilEdit->text().trimmed().toStdString())
                .value_or(std::string());
    return filter;
}

// The records that match, newest first and the newest selected: usually the one wanted.
void TJobHistoryForm::FilterChanged() {
    std::string error;
    const HistoryFilter filter = Filter(error);
    shown_.clear();
    for (std::size_t i = listing_.records.size(); i-- > 0;) {
        if (filter.Matches(listing_.records[i])) {
            shown_.push_back(i);
        }
    }
    RecordList->clearContents();
    RecordList->setRowCount(static_cast<int>(shown_.size()));
    for (int row = 0; row < RecordList->rowCount(); ++row) {
        const HistoryRecord& record = listing_.records[shown_[static_cast<std::size_t>(row)]];
        // The file keeps its texts in English; they are shown in the window's language.
        const std::array<QString, 6> cells{ui::FromUtf8(LocalRecordTime(record.time)),
                                           ui::CoreText("Core", std::string(HistoryOperationName(record.operation))),
                                           ui::FromUtf8(record.port),
                                           ui::FromUtf8(record.label),
                                           ui::FromUtf8(record.installer),
                                           ui::CoreText("Core", record.outcome)};
        for (int column = 0; column < 6; ++column) {
            RecordList->setItem(row, column, new QTableWidgetItem(cells[static_cast<std::size_t>(column)]));
        }
    }
    RecordList->resizeColumnsToContents();
    RecordsLabel->setText(error.empty()
                              ? tr("&Records, newest first: %1 of %2").arg(shown_.size()).arg(listing_.records.size())
                              : ui::CoreText("Core", error));
    if (RecordList->rowCount() > 0) {
        RecordList->selectRow(0);
    }
    RecordListSelectionChanged();
}

const HistoryRecord* TJobHistoryForm::SelectedRecord() const {
    const int row = RecordList->currentRow();
    if (row < 0 || row >= static_cast<int>(shown_.size()) || RecordList->selectedItems().isEmpty()) {
        return nullptr;
    }
    return &listing_.records[shown_[static_cast<std::size_t>(row)]];
}

void TJobHistoryForm::ExportBtnClick() {
    ui::QtFileDialogs dialogs(this);
    ui::QtPrompts prompts(this);
    std::vector<HistoryRecord> records;
    for (const std::size_t index : shown_) {
        records.push_back(listing_.records[index]);
    }
    SaveExport(dialogs.AskSavePath(ZEFT_TEXT("Core", "Export"), ZEFT_TEXT("Core", "CSV Files (*.csv)")), ".csv",
               prompts, [&records] { return HistoryCsv(records); });
}

void TJobHistoryForm::SheetBtnClick() {
    const HistoryRecord* record = SelectedRecord();
    const std::optional<SetupSheetContent> sheet = record ? BuildRecordSheet(*record) : std::nullopt;
    if (!sheet) {
        return;
    }
    ui::QtFileDialogs dialogs(this);
    ui::QtPrompts prompts(this);
    SaveExport(dialogs.AskSaveSetupSheetPath(), ".pdf", prompts, [&sheet] { return ui::SetupSheetPdf(*sheet); });
}

const RecordedSettings* TJobHistoryForm::SelectedSettings() const {
    const HistoryRecord* record = SelectedRecord();
    if (record == nullptr) {
        return nullptr;
    }
    if (record->settings) {
        return &*record->settings;
    }
    return record->sent ? &*record->sent : nullptr;
}

void TJobHistoryForm::RecordListSelectionChanged() {
    const HistoryRecord* record = SelectedRecord();
    const std::array<const std::optional<RecordedSettings>*, 3> columns{
        record ? &record->sent : nullptr, record ? &record->settings : nullptr, record ? &record->asFound : nullptr};
    for (int column = 0; column < 3; ++column) {
        const auto* settings = columns[static_cast<std::size_t>(column)];
        const std::array<QString, 8> texts =
            settings && *settings ? SettingTexts(**settings) : std::array<QString, 8>{};
        for (int i = 0; i < 8; ++i) {
            SettingsList->setItem(i, column, new QTableWidgetItem(texts[static_cast<std::size_t>(i)]));
        }
    }
    LoadBtn->setEnabled(SelectedSettings() != nullptr);
    SheetBtn->setEnabled(SelectedSettings() != nullptr);
    ExportBtn->setEnabled(!shown_.empty());
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
    const HistoryRecord& record = *SelectedRecord();
    const QString which = record.settings ? tr("as the sender reported them") : tr("as the program sent them");
    const QString description = tr("the %1 of %2 on %3, %4")
                                    .arg(ui::CoreText("Core", std::string(HistoryOperationName(record.operation))),
                                         ui::FromUtf8(LocalRecordTime(record.time)), ui::FromUtf8(record.port), which);
    TSettingsComparisonForm form(CompareSettings(*settings, window_()), tr("Compare with Window").toStdString(),
                                 {tr("Record").toStdString(), description.toStdString()},
                                 {tr("Window").toStdString(), tr("the settings in the main window").toStdString()},
                                 this);
    form.exec();
}

} // namespace zeft
