#include "calc/TableCalculatorForm.h"

#include "calc/CalculationRecord.h"
#include "calc/CalculatorFormParts.h"
#include "calc/LevelSet.h"
#include "seams/Prompts.h"
#include "seams/SettingsControls.h"
#include "ui/JpegPicture.h"
#include "ui/Utf8Text.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <string_view>

namespace zeft::calc_ui {

namespace {} // namespace

TTableCalculatorForm::TTableCalculatorForm(const Texts& texts, SettingsControls& mainControls, Prompts& prompts,
                                           QWidget* parent)
    : QDialog(parent), mainControls_(mainControls), prompts_(prompts), picture_(texts.picture),
      confirmation_(texts.confirmation) {
    setObjectName(texts.objectName);
    setWindowTitle(texts.title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(476, 500);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(440, 259);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    panelLayout->addWidget(Image1);

    GroupBox1 = new QGroupBox(texts.groupCaption, this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    const QString zero = QStringLiteral("0");
    const std::array<QString, 5> names{QStringLiteral("Vol100LEdit"), QStringLiteral("Vol80LEdit"),
                                       QStringLiteral("Vol60LEdit"), QStringLiteral("Vol40LEdit"),
                                       QStringLiteral("Vol20LEdit")};
    std::array<QLineEdit*, 5> edits{};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i] = MakeLabeledEdit(GroupBox1, names[i], texts.editCaptions[i], zero, false);
    }
    Vol100LEdit = edits[0];
    Vol80LEdit = edits[1];
    Vol60LEdit = edits[2];
    Vol40LEdit = edits[3];
    Vol20LEdit = edits[4];
    InchCheckBox = new QCheckBox(tr("Inch Unit"), GroupBox1);
    InchCheckBox->setObjectName(QStringLiteral("InchCheckBox"));
    SetBold(InchCheckBox, kEmphasisPointSize);
    inputGrid_ = new QGridLayout(GroupBox1);
    inputGrid_->addWidget(Vol100LEdit->parentWidget(), 0, 0);
    inputGrid_->addWidget(Vol80LEdit->parentWidget(), 1, 0);
    inputGrid_->addWidget(Vol60LEdit->parentWidget(), 2, 0);
    inputGrid_->addWidget(Vol40LEdit->parentWidget(), 0, 1);
    inputGrid_->addWidget(Vol20LEdit->parentWidget(), 1, 1);
    inputGrid_->addWidget(InchCheckBox, 3, 0);

    GroupBox2 = new QGroupBox(tr("Non-Linear Calculated Values"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    const LevelSetRows rows =
        MakeLevelSetRows(GroupBox2, {QStringLiteral("LALabel"), QStringLiteral("LBLabel"), QStringLiteral("LCLabel"),
                                     QStringLiteral("LDLabel"), QStringLiteral("BLLabel")});
    Label2 = rows.captions[0];
    Label3 = rows.captions[1];
    Label4 = rows.captions[2];
    Label5 = rows.captions[3];
    Label10 = rows.captions[4];
    LALabel = rows.values[0];
    LBLabel = rows.values[1];
    LCLabel = rows.values[2];
    LDLabel = rows.values[3];
    BLLabel = rows.values[4];

    const CalculatorButtons buttons = MakeCalculatorButtons(
        this, {QStringLiteral("CalBtn"), QStringLiteral("SaveCloseBtn"), QStringLiteral("CloseBtn")});
    CalBtn = buttons.calculate;
    SaveCloseBtn = buttons.saveClose;
    CloseBtn = buttons.close;

    auto* lower = MakeCalculatorGrid(GroupBox1, GroupBox2, buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(lower, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(InchCheckBox, &QCheckBox::toggled, this, &TTableCalculatorForm::InchCheckBoxClick);
    connect(CalBtn, &QPushButton::clicked, this, &TTableCalculatorForm::CalBtnClick);
    connect(SaveCloseBtn, &QPushButton::clicked, this, &TTableCalculatorForm::SaveCloseBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TTableCalculatorForm::CloseBtnClick);
}

void TTableCalculatorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TTableCalculatorForm::FormActivate() {
    lastCalculation_.reset();
    ui::LoadPicture(*Image1, picture_, prompts_);
    for (QLineEdit* edit : {Vol100LEdit, Vol80LEdit, Vol60LEdit, Vol40LEdit, Vol20LEdit}) {
        edit->setText(QStringLiteral("0"));
    }
    ResetInputs();
    InchCheckBox->setChecked(false); // runs the unit toggle when it was ticked
    const std::array<QLabel*, 5> results{LALabel, LBLabel, LCLabel, LDLabel, BLLabel};
    const std::array<const char*, 5> defaults{"20", "40", "60", "80", "2000"};
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i]->setText(QString::fromLatin1(defaults[i]));
    }
}

void TTableCalculatorForm::InchCheckBoxClick() {
    const bool inch = InchCheckBox->isChecked();
    BLLabel->setText(ui::FromUtf8(inch ? kDefaultBottomLimitInches : kDefaultBottomLimitMillimetres));
    UnitChanged(inch);
}

void TTableCalculatorForm::CalBtnClick() {
    const TableEditTexts texts{Vol100LEdit->text().toStdString(), Vol80LEdit->text().toStdString(),
                               Vol60LEdit->text().toStdString(), Vol40LEdit->text().toStdString(),
                               Vol20LEdit->text().toStdString()};
    const TableCalculation result = Calculate(texts, InchCheckBox->isChecked(), DecimalSeparator());
    if (!result.ok()) {
        prompts_.ShowError(result.error);
        return;
    }
    const std::array<QLabel*, 4> levels{LALabel, LBLabel, LCLabel, LDLabel};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i]->setText(QString::fromStdString(result.levelSet.levels[i]));
    }
    BLLabel->setText(QString::fromStdString(result.levelSet.bottomLimit));
    // Every input with its caption, in the order the window made them.
    std::vector<std::pair<std::string, std::string>> inputs;
    for (const QLineEdit* edit : GroupBox1->findChildren<QLineEdit*>()) {
        const auto* caption = edit->parentWidget()->findChild<QLabel*>();
        inputs.emplace_back(caption != nullptr ? caption->text().toStdString() : std::string(),
                            edit->text().toStdString());
    }
    lastCalculation_ = TableCalculationRecord(Calculator(), std::move(inputs), InchCheckBox->isChecked());
}

void TTableCalculatorForm::SaveCloseBtnClick() {
    if (prompts_.Confirm(confirmation_) == ConfirmAnswer::Yes) {
        HandOverShownLevelSet({LALabel, LBLabel, LCLabel, LDLabel, BLLabel}, mainControls_, prompts_,
                              InchCheckBox->isChecked(), Calculator(), lastCalculation_, OnLevelSetHandedOver);
        accept();
        return;
    }
    reject();
}

void TTableCalculatorForm::CloseBtnClick() {
    reject();
}

} // namespace zeft::calc_ui
