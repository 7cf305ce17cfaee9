#include "calc/MeasuredTableForm.h"

#include "calc/CalculationRecord.h"
#include "calc/CalculatorFormParts.h"
#include "calc/DecimalText.h"
#include "calc/DipTable.h"
#include "calc/LevelSet.h"
#include "calc/MeasuredTableCalculation.h"
#include "seams/Prompts.h"
#include "seams/SettingsControls.h"
#include "seams/TextTranslation.h"
#include "ui/QtFileDialogs.h"
#include "ui/Translations.h"
#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <string_view>

namespace zeft::calc_ui {

namespace {

const char* const kNoGaugeError = QT_TRANSLATE_NOOP("zeft::calc_ui::TMeasuredTableForm", "Largest gauge error: -");

} // namespace

TMeasuredTableForm::TMeasuredTableForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent)
    : QDialog(parent), mainControls_(mainControls), prompts_(prompts),
      dialogs_(std::make_unique<ui::QtFileDialogs>(this)) {
    setObjectName(QStringLiteral("MeasuredTableForm"));
    setWindowTitle(tr("Non-linear Tank Parameter Calculation by Measured Table"));

    // The table: typed or pasted rows, or a file's.
    GroupBox1 = new QGroupBox(tr("Measured Table"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    TableLabel = new QLabel(tr("&Rows of height and volume (a first line naming the columns "
                               "\"height\" and \"volume\" may come first):"),
                            GroupBox1);
    TableLabel->setObjectName(QStringLiteral("TableLabel"));
    ui::KeepWrappedTextWhole(TableLabel);
    TableEdit = new QPlainTextEdit(GroupBox1);
    TableEdit->setObjectName(QStringLiteral("TableEdit"));
    TableEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    TableEdit->setTabChangesFocus(true);
    TableEdit->setPlaceholderText(QStringLiteral("height,volume\n0,0\n100,52.3\n..."));
    TableEdit->setMinimumSize(300, 260);
    TableLabel->setBuddy(TableEdit);
    ImportBtn = new QPushButton(tr("&Import CSV..."), GroupBox1);
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));

    HeightLEdit =
        MakeLabeledEdit(GroupBox1, QStringLiteral("HeightLEdit"), tr("H (mm)"), QString(), true, &HeightLEditLabel);
    HeightLEdit->setPlaceholderText(tr("greatest height in the table"));
    InchCheckBox = new QCheckBox(tr("Inch Unit"), GroupBox1);
    InchCheckBox->setObjectName(QStringLiteral("InchCheckBox"));
    ReserveCheckBox = new QCheckBox(tr("10% Reserve"), GroupBox1);
    ReserveCheckBox->setObjectName(QStringLiteral("ReserveCheckBox"));
    for (QCheckBox* box : {InchCheckBox, ReserveCheckBox}) {
        SetBold(box, kEmphasisPointSize);
    }
    VolumeUnitLabel = new QLabel(tr("&Volumes in:"), GroupBox1);
    VolumeUnitLabel->setObjectName(QStringLiteral("VolumeUnitLabel"));
    VolumeUnitBox = new QComboBox(GroupBox1);
    VolumeUnitBox->setObjectName(QStringLiteral("VolumeUnitBox"));
    for (const VolumeUnit unit : kVolumeUnits) {
        VolumeUnitBox->addItem(ui::CoreText("Core", std::string(VolumeUnitName(unit))));
    }
    VolumeUnitLabel->setBuddy(VolumeUnitBox);

    auto* options = new QGridLayout;
    options->addWidget(HeightLEdit->parentWidget(), 0, 0, 1, 2);
    options->addWidget(InchCheckBox, 1, 0, 1, 2);
    options->addWidget(ReserveCheckBox, 2, 0, 1, 2);
    options->addWidget(VolumeUnitLabel, 3, 0);
    options->addWidget(VolumeUnitBox, 3, 1);
    options->setRowStretch(4, 1);
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(TableLabel);
    tableColumn->addWidget(TableEdit, 1);
    tableColumn->addWidget(ImportBtn, 0, Qt::AlignLeft);
    auto* inputs = new QHBoxLayout(GroupBox1);
    inputs->addLayout(tableColumn, 1);
    inputs->addLayout(options);

    // Results.
    GroupBox2 = new QGroupBox(tr("Non-Linear Calculated Values"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    const LevelSetRows rows =
        MakeLevelSetRows(GroupBox2, {QStringLiteral("LALabel"), QStringLiteral("LBLabel"), QStringLiteral("LCLabel"),
                                     QStringLiteral("LDLabel"), QStringLiteral("BLLabel")});
    LALabel = rows.values[0];
    LBLabel = rows.values[1];
    LCLabel = rows.values[2];
    LDLabel = rows.values[3];
    BLLabel = rows.values[4];
    VolumeLabel = new QLabel(GroupBox2);
    VolumeLabel->setObjectName(QStringLiteral("VolumeLabel"));
    GaugeErrorLabel = new QLabel(GroupBox2);
    GaugeErrorLabel->setObjectName(QStringLiteral("GaugeErrorLabel"));
    GaugeErrorLabel->setWordWrap(true);
    auto* resultGrid = qobject_cast<QGridLayout*>(GroupBox2->layout());
    resultGrid->addWidget(VolumeLabel, 5, 0, 1, 2);
    resultGrid->addWidget(GaugeErrorLabel, 6, 0, 1, 2);

    const CalculatorButtons buttons = MakeCalculatorButtons(
        this, {QStringLiteral("CalBtn"), QStringLiteral("SaveCloseBtn"), QStringLiteral("CloseBtn")});
    CalBtn = buttons.calculate;
    SaveCloseBtn = buttons.saveClose;
    CloseBtn = buttons.close;

    auto* lower = MakeCalculatorGrid(GroupBox1, GroupBox2, buttons);
    lower->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lower, 1);

    SetTabChain({TableEdit, ImportBtn, HeightLEdit, InchCheckBox, ReserveCheckBox, VolumeUnitBox, CalBtn, SaveCloseBtn,
                 CloseBtn});

    connect(InchCheckBox, &QCheckBox::toggled, this, &TMeasuredTableForm::InchCheckBoxClick);
    // Results shown belong to the inputs they were calculated from: any change clears them,
    // so that Save & Close never hands over levels of one tank with the limit of another.
    connect(TableEdit, &QPlainTextEdit::textChanged, this, &TMeasuredTableForm::ClearResults);
    connect(HeightLEdit, &QLineEdit::textChanged, this, &TMeasuredTableForm::ClearResults);
    connect(ReserveCheckBox, &QCheckBox::toggled, this, &TMeasuredTableForm::ClearResults);
    connect(VolumeUnitBox, &QComboBox::currentIndexChanged, this, &TMeasuredTableForm::ClearResults);
    connect(ImportBtn, &QPushButton::clicked, this, &TMeasuredTableForm::ImportBtnClick);
    connect(CalBtn, &QPushButton::clicked, this, &TMeasuredTableForm::CalBtnClick);
    connect(SaveCloseBtn, &QPushButton::clicked, this, &TMeasuredTableForm::SaveCloseBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TMeasuredTableForm::CloseBtnClick);
    FormActivate();
}

TMeasuredTableForm::~TMeasuredTableForm() = default;

void TMeasuredTableForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TMeasuredTableForm::FormActivate() {
    TableEdit->clear();
    HeightLEdit->clear();
    ReserveCheckBox->setChecked(false);
    InchCheckBox->setChecked(false);
    InchCheckBoxClick();
}

void TMeasuredTableForm::InchCheckBoxClick() {
    const bool inch = InchCheckBox->isChecked();
    HeightLEditLabel->setText(inch ? tr("H (inch)") : tr("H (mm)"));
    VolumeUnitBox->setCurrentIndex(static_cast<int>(DefaultVolumeUnit(inch)));
    ClearResults();
}

void TMeasuredTableForm::ClearResults() {
    lastCalculation_.reset();
    const std::array<QLabel*, 4> levels{LALabel, LBLabel, LCLabel, LDLabel};
    const std::array<const char*, 4> defaults{"20", "40", "60", "80"};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i]->setText(QString::fromLatin1(defaults[i]));
    }
    BLLabel->setText(
        ui::FromUtf8(InchCheckBox->isChecked() ? kDefaultBottomLimitInches : kDefaultBottomLimitMillimetres));
    VolumeLabel->setText(tr("Volume at H = 0"));
    GaugeErrorLabel->setText(tr(kNoGaugeError));
}

void TMeasuredTableForm::ImportBtnClick() {
    const std::optional<std::string> path =
        dialogs_->AskOpenPath(ZEFT_TEXT("Core", "Import CSV"), ZEFT_TEXT("Core", "CSV Files (*.csv *.txt)"));
    if (!path) {
        return;
    }
    const TableFileText file = ReadTableFileText(*path);
    if (!file.error.empty()) {
        prompts_.ShowError(file.error);
        return;
    }
    TableEdit->setPlainText(QString::fromUtf8(file.text.data(), static_cast<qsizetype>(file.text.size())));
    CalBtnClick();
}

void TMeasuredTableForm::CalBtnClick() {
    const bool inch = InchCheckBox->isChecked();
    const MeasuredTableInput input{ReadMeasuredTable(TableEdit->toPlainText().toStdString()),
                                   HeightLEdit->text().toStdString(), inch, ReserveCheckBox->isChecked()};
    const MeasuredTableCalculation result = CalculateFromMeasuredTable(input, DecimalSeparator());
    if (!result.ok()) {
        prompts_.ShowError(result.error);
        return;
    }
    const std::array<QLabel*, 4> levels{LALabel, LBLabel, LCLabel, LDLabel};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i]->setText(QString::fromStdString(result.levelSet.levels[i]));
    }
    BLLabel->setText(QString::fromStdString(result.levelSet.bottomLimit));
    const auto unit = kVolumeUnits[static_cast<std::size_t>(std::max(0, VolumeUnitBox->currentIndex()))];
    const std::string shownVolume = ShownVolumeText(result.volume, unit, DecimalSeparator());
    const std::string unitName(VolumeUnitName(unit));
    // The window in its language; the setup sheet's record keeps the unit in English.
    const std::string volume = shownVolume + " " + unitName;
    VolumeLabel->setText(tr("Volume at H = ") + QString::fromStdString(shownVolume) + QLatin1Char(' ') +
                         ui::CoreText("Core", unitName));
    const std::string gauge =
        result.gaugeError ? GaugeErrorText(*result.gaugeError, result.top, inch) : std::string("-");
    GaugeErrorLabel->setText(tr("Largest gauge error: ") + QString::fromStdString(gauge));

    lastCalculation_ = TableCalculationRecord(LevelCalculator::MeasuredTable,
                                              {{"Rows", std::to_string(input.table.points.size())},
                                               {"H", FixedText(result.top, 2, DecimalSeparator())},
                                               {"10% Reserve", ReserveCheckBox->isChecked() ? "yes" : "no"},
                                               {"Volume at H", volume}},
                                              inch);
    lastCalculation_->gaugeError = result.gaugeError ? gauge : std::string();
    // The sheet lists the table itself, row by row.
    for (const MeasuredPoint& point : input.table.points) {
        lastCalculation_->inputs.emplace_back("Row " + std::to_string(point.row),
                                              "height " + FixedText(point.height, inch ? 2 : 1, DecimalSeparator()) +
                                                  (inch ? " in" : " mm") + ", volume " +
                                                  FixedText(point.volume, 2, DecimalSeparator()));
    }
}

void TMeasuredTableForm::SaveCloseBtnClick() {
    if (prompts_.Confirm(kConfirmLevelHandOver) == ConfirmAnswer::Yes) {
        HandOverShownLevelSet({LALabel, LBLabel, LCLabel, LDLabel, BLLabel}, mainControls_, prompts_,
                              InchCheckBox->isChecked(), LevelCalculator::MeasuredTable, lastCalculation_,
                              OnLevelSetHandedOver);
        accept();
        return;
    }
    reject();
}

void TMeasuredTableForm::CloseBtnClick() {
    reject();
}

} // namespace zeft::calc_ui
