#include "calc/TankChartForm.h"

#include "base/AtomicFile.h"
#include "calc/CalculatorFormParts.h"
#include "calc/ContentCurveForm.h"
#include "calc/DecimalText.h"
#include "calc/TankChartPdf.h"
#include "main/SaveFileName.h"
#include "seams/Prompts.h"
#include "seams/TextTranslation.h"
#include "ui/QtFileDialogs.h"
#include "ui/Translations.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

namespace zeft::calc_ui {

// The dip table's rows for the view; texts made on demand, so a long table costs little.
class DipTableModel : public QAbstractTableModel {
public:
    DipTableModel(DipVolumes volumes, QObject* parent) : QAbstractTableModel(parent), volumes_(volumes) {}

    void SetRows(std::vector<DipRow> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    void SetVolumes(DipVolumes volumes) {
        beginResetModel();
        volumes_ = volumes;
        endResetModel();
    }
    const std::vector<DipRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({})) {
            return {};
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const DipRowTexts texts = DipRowText(rows_[static_cast<std::size_t>(index.row())], volumes_);
        const std::array<const std::string*, kColumns> cells{&texts.height, &texts.percent, &texts.gauge,
                                                             &texts.volume};
        return QString::fromStdString(*cells[static_cast<std::size_t>(index.column())]);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        const DipHeaders headers = DipTableHeaders(volumes_);
        const std::array<const std::string*, kColumns> texts{&headers.height, &headers.percent, &headers.gauge,
                                                             &headers.volume};
        return QString::fromStdString(*texts[static_cast<std::size_t>(section)]);
    }

    static constexpr int kColumns = 4;

private:
    DipVolumes volumes_;
    std::vector<DipRow> rows_;
};

namespace {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter in the step edit must not press a button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TTankChartForm::TTankChartForm(const TankContent& content, Prompts& prompts, QWidget* parent)
    : QDialog(parent), content_(content), prompts_(prompts), dialogs_(std::make_unique<ui::QtFileDialogs>(this)),
      gaugeError_(content_.LargestGaugeError()) {
    setObjectName(QStringLiteral("TankChartForm"));
    setWindowTitle(tr("Tank Chart"));
    const QString unit = content_.inchUnit() ? QStringLiteral("in") : QStringLiteral("mm");

    volumes_ = DefaultDipVolumes(content_.inchUnit());
    TankLabel = new QLabel(Description(), this);
    TankLabel->setObjectName(QStringLiteral("TankLabel"));
    TankLabel->setWordWrap(true);
    TankLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    GaugeErrorLabel = new QLabel(tr("Largest gauge error: ") + GaugeErrorDescription(), this);
    GaugeErrorLabel->setObjectName(QStringLiteral("GaugeErrorLabel"));
    GaugeErrorLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ContentCurve = new ContentCurveForm(content_, this);

    VolumeUnitLabel = new QLabel(tr("&Volume unit:"), this);
    VolumeUnitLabel->setObjectName(QStringLiteral("VolumeUnitLabel"));
    VolumeUnitBox = new QComboBox(this);
    VolumeUnitBox->setObjectName(QStringLiteral("VolumeUnitBox"));
    for (const VolumeUnit unit : kVolumeUnits) {
        VolumeUnitBox->addItem(ui::CoreText("Core", std::string(VolumeUnitName(unit))));
    }
    VolumeUnitBox->setCurrentIndex(static_cast<int>(volumes_.shown));
    VolumeUnitLabel->setBuddy(VolumeUnitBox);

    StepLabel = new QLabel(tr("&Step (%1):").arg(unit), this);
    StepLabel->setObjectName(QStringLiteral("StepLabel"));
    StepEdit = new QLineEdit(
        QString::fromLatin1(kDefaultDipStep.data(), static_cast<qsizetype>(kDefaultDipStep.size())), this);
    StepEdit->setObjectName(QStringLiteral("StepEdit"));
    StepEdit->setToolTip(
        QCoreApplication::translate("CalculatorFormParts", "A number, with \"%1\" as decimal separator")
            .arg(QLatin1Char(DecimalSeparator())));
    StepLabel->setBuddy(StepEdit);
    StepErrorLabel = new QLabel(this);
    StepErrorLabel->setObjectName(QStringLiteral("StepErrorLabel"));
    StepErrorLabel->setWordWrap(true);
    StepErrorLabel->setStyleSheet(QStringLiteral("color: #b00000;"));
    StepErrorLabel->hide();

    TableLabel = new QLabel(tr("Dip &table:"), this);
    TableLabel->setObjectName(QStringLiteral("TableLabel"));
    model_ = new DipTableModel(volumes_, this);
    DipTableView = new QTableView(this);
    DipTableView->setObjectName(QStringLiteral("DipTableView"));
    DipTableView->setModel(model_);
    DipTableView->verticalHeader()->hide();
    DipTableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DipTableView->verticalHeader()->setDefaultSectionSize(DipTableView->fontMetrics().height() + 6);
    DipTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    DipTableView->setAlternatingRowColors(true);
    TableLabel->setBuddy(DipTableView);
    const QFontMetrics metrics = DipTableView->fontMetrics();
    int tableWidth = 0;
    for (int column = 0; column < DipTableModel::kColumns; ++column) {
        const QString header = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width =
            std::max(metrics.horizontalAdvance(header), metrics.horizontalAdvance(QStringLiteral("00000.000"))) +
            metrics.height() * 2;
        DipTableView->setColumnWidth(column, width);
        tableWidth += width;
    }
    DipTableView->horizontalHeader()->setStretchLastSection(true);
    DipTableView->setMinimumWidth(tableWidth + DipTableView->verticalScrollBar()->sizeHint().width() +
                                  DipTableView->frameWidth() * 2 + 2);

    SaveCsvBtn = MakeButton(this, QStringLiteral("SaveCsvBtn"), tr("Save &CSV..."));
    SavePdfBtn = MakeButton(this, QStringLiteral("SavePdfBtn"), tr("Save &PDF..."));
    CloseBtn = MakeButton(this, QStringLiteral("CloseBtn"), tr("Close"));

    auto* stepRow = new QGridLayout;
    stepRow->addWidget(StepLabel, 0, 0);
    stepRow->addWidget(StepEdit, 0, 1);
    stepRow->addWidget(VolumeUnitLabel, 1, 0);
    stepRow->addWidget(VolumeUnitBox, 1, 1);
    auto* tableSide = new QVBoxLayout;
    tableSide->addLayout(stepRow);
    tableSide->addWidget(StepErrorLabel);
    tableSide->addWidget(TableLabel);
    tableSide->addWidget(DipTableView, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(ContentCurve, 1);
    middle->addLayout(tableSide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveCsvBtn);
    buttons->addWidget(SavePdfBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TankLabel);
    layout->addWidget(GaugeErrorLabel);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    SetTabChain({StepEdit, VolumeUnitBox, DipTableView, SaveCsvBtn, SavePdfBtn, CloseBtn});

    connect(StepEdit, &QLineEdit::textChanged, this, &TTankChartForm::StepEditChange);
    connect(VolumeUnitBox, &QComboBox::currentIndexChanged, this, &TTankChartForm::VolumeUnitBoxChange);
    connect(SaveCsvBtn, &QPushButton::clicked, this, &TTankChartForm::SaveCsvBtnClick);
    connect(SavePdfBtn, &QPushButton::clicked, this, &TTankChartForm::SavePdfBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    StepEditChange();
}

TTankChartForm::~TTankChartForm() {
    StopTable();
    // A PDF still being written is finished first: its file must not be left half done. Its
    // end is no longer delivered to a window going away, so a failure is told here.
    if (pdfThread_) {
        pdfThread_->wait();
        if (pdfError_) {
            prompts_.ShowApplicationError(*pdfError_);
        }
    }
}

bool TTankChartForm::SavingPdf() const {
    return pdfThread_ != nullptr;
}

bool TTankChartForm::ComputingTable() const {
    return tableThread_ != nullptr;
}

void TTankChartForm::UpdateSaveButtons() {
    const bool ready = stepValid_ && !SavingPdf() && !ComputingTable();
    SaveCsvBtn->setEnabled(ready);
    SavePdfBtn->setEnabled(ready);
}

const std::vector<DipRow>& TTankChartForm::Rows() const {
    return model_->Rows();
}

QString TTankChartForm::Description() const {
    const std::string unit = content_.inchUnit() ? " in" : " mm";
    const TankDimensions& d = content_.dimensions();
    std::string text = tr("Shape %1").arg(content_.shape()).toStdString();
    if (HasHalfTank(content_.shape())) {
        text += (content_.halfTank() ? tr(", half tank") : tr(", full tank")).toStdString();
    }
    const ShapeReads reads = ShapeReadsOf(content_.shape());
    const std::array<std::pair<const char*, std::optional<long double>>, 7> letters{{
        {"X", reads.x ? std::optional(d.x) : std::nullopt},
        {"H", d.h},
        {"W", reads.w ? std::optional(d.w) : std::nullopt},
        {"Y", reads.y ? std::optional(d.y) : std::nullopt},
        {"Z", reads.z ? std::optional(d.z) : std::nullopt},
        {"X1", reads.x1 ? std::optional(d.x1) : std::nullopt},
        {"X2", reads.x2 ? std::optional(d.x2) : std::nullopt},
    }};
    const char* separator = ": ";
    for (const auto& [letter, value] : letters) {
        if (value) {
            text += separator + std::string(letter) + " = " + ShortestNumberText(*value) + unit;
            separator = ", ";
        }
    }
    const long double volume = ConvertVolume(content_.volume(), DefaultVolumeUnit(content_.inchUnit()), volumes_.shown);
    text += tr(". Volume %1 %2.")
                .arg(QString::fromStdString(ShownVolumeText(volume, volumes_.shown, '.')),
                     ui::CoreText("Core", std::string(VolumeUnitName(volumes_.shown))))
                .toStdString();
    if (content_.reserve()) {
        text +=
            tr(" 10% reserve: the sender reads empty at %1%2, levels A to D above it.")
                .arg(QString::fromStdString(FixedText(content_.reserveHeight(), 2, '.')), QString::fromStdString(unit))
                .toStdString();
    }
    return QString::fromStdString(text);
}

QString TTankChartForm::GaugeErrorDescription() const {
    return QString::fromStdString(GaugeErrorText(gaugeError_, content_.height(), content_.inchUnit()));
}

void TTankChartForm::VolumeUnitBoxChange() {
    const int index = VolumeUnitBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(kVolumeUnits.size())) {
        return;
    }
    volumes_.shown = kVolumeUnits[static_cast<std::size_t>(index)];
    model_->SetVolumes(volumes_);
    TankLabel->setText(Description());
}

void TTankChartForm::StepEditChange() {
    // What the arithmetic refuses is told at once; a step being typed keeps the last table
    // and the saves wait for a valid one.
    const std::string step = StepEdit->text().toStdString();
    const std::optional<std::string> refusal = DipStepRefusal(content_, step, DecimalSeparator());
    StepErrorLabel->setText(QString::fromStdString(refusal.value_or(std::string())));
    StepErrorLabel->setVisible(refusal.has_value());
    stepValid_ = !refusal;
    pendingStep_.reset();
    if (refusal) {
        stopTable_ = true; // its end finds nothing pending and keeps the last table
    } else {
        pendingStep_ = step;
        if (ComputingTable()) {
            stopTable_ = true; // its end starts the pending step
        } else {
            StartTable();
        }
    }
    UpdateSaveButtons();
}

void TTankChartForm::StartTable() {
    const std::string step = *pendingStep_;
    pendingStep_.reset();
    stopTable_ = false;
    // The thread works on copies and its own result; the window reads computedTable_ only
    // after the thread ended.
    tableThread_.reset(QThread::create([this, content = content_, step, separator = DecimalSeparator()] {
        computedTable_ = MakeDipTable(content, step, separator, [this] { return stopTable_.load(); });
    }));
    connect(tableThread_.get(), &QThread::finished, this, &TTankChartForm::TableComputed);
    DipTableView->setCursor(Qt::BusyCursor);
    UpdateSaveButtons();
    tableThread_->start();
}

void TTankChartForm::TableComputed() {
    tableThread_->wait();
    tableThread_.reset();
    DipTable table = std::move(computedTable_);
    computedTable_ = {};
    if (pendingStep_) {
        StartTable(); // a newer step was typed meanwhile
        return;
    }
    DipTableView->unsetCursor();
    if (stepValid_ && !table.ok()) {
        // Found only while computing: a row beyond the calculation's range.
        StepErrorLabel->setText(QString::fromStdString(table.error));
        StepErrorLabel->show();
        stepValid_ = false;
    } else if (stepValid_) {
        model_->SetRows(std::move(table.rows));
    }
    UpdateSaveButtons();
}

void TTankChartForm::StopTable() {
    if (tableThread_) {
        stopTable_ = true;
        pendingStep_.reset();
        tableThread_->wait();
    }
}

void TTankChartForm::SaveCsvBtnClick() {
    const std::optional<std::filesystem::path> target =
        AskTarget(ZEFT_TEXT("Core", "Save CSV"), ZEFT_TEXT("Core", "CSV Files (*.csv)"), ".csv");
    if (!target) {
        return;
    }
    if (const std::optional<std::string> error = SaveFileAtomically(*target, DipTableCsv(Rows(), volumes_))) {
        prompts_.ShowApplicationError(*error);
    }
}

void TTankChartForm::SavePdfBtnClick() {
    if (SavingPdf()) {
        return;
    }
    const std::optional<std::filesystem::path> target =
        AskTarget(ZEFT_TEXT("Core", "Save PDF"), ZEFT_TEXT("Core", "PDF Files (*.pdf)"), ".pdf");
    if (!target) {
        return;
    }
    // The thread works on copies; the window reads pdfError_ only after the thread ended.
    pdfError_.reset();
    pdfThread_.reset(QThread::create(
        [this, content = content_, rows = Rows(), volumes = volumes_,
         description = Description() + tr(" Largest gauge error: ") + GaugeErrorDescription() + QStringLiteral("."),
         path = *target] {
            const QByteArray pdf = TankChartPdf(content, rows, volumes, description);
            pdfError_ =
                pdf.isEmpty()
                    ? std::optional<std::string>("The chart could not be drawn.")
                    : SaveFileAtomically(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        }));
    connect(pdfThread_.get(), &QThread::finished, this, &TTankChartForm::PdfSaved);
    UpdateSaveButtons();
    setCursor(Qt::BusyCursor);
    pdfThread_->start();
}

void TTankChartForm::PdfSaved() {
    pdfThread_->wait();
    pdfThread_.reset();
    unsetCursor();
    UpdateSaveButtons();
    if (pdfError_) {
        prompts_.ShowApplicationError(*pdfError_);
    }
}

std::optional<std::filesystem::path> TTankChartForm::AskTarget(const std::string& caption, const std::string& filter,
                                                               const std::string& extension) {
    const std::optional<std::string> name = dialogs_->AskSavePath(caption, filter);
    if (!name) {
        return std::nullopt;
    }
    return ConfirmSaveTarget(*name, extension, prompts_);
}

} // namespace zeft::calc_ui
