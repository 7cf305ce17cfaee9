#include "calc/NonLinearizationForm.h"

#include "calc/CalculationRecord.h"
#include "calc/CalculatorFormParts.h"
#include "calc/LevelSet.h"
#include "calc/ShapeCalculation.h"
#include "calc/TankChartForm.h"
#include "calc/TankShape.h"
#include "seams/Prompts.h"
#include "seams/SettingsControls.h"
#include "ui/JpegPicture.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <string_view>

namespace zeft::calc_ui {

namespace {

constexpr int kPictureWidth = 440;
constexpr int kPictureHeight = 245;
const char* const kFootnote =
    QT_TRANSLATE_NOOP("zeft::calc_ui::TNonLinearizationForm", "* symmetrical about the vertical axis");

QString ShapePictureName(int shape, bool halfTank) {
    return QStringLiteral("pictures/shape%1%2.jpg").arg(shape).arg(halfTank ? QStringLiteral("h") : QString());
}

} // namespace

TNonLinearizationForm::TNonLinearizationForm(SettingsControls& mainControls, Prompts& prompts, QWidget* parent)
    : QDialog(parent), mainControls_(mainControls), prompts_(prompts) {
    setObjectName(QStringLiteral("NonLinearizationForm"));
    setWindowTitle(tr("Non-linear Tank Parameter Calculation by Tank Shape"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(475, 560);

    // Picture panel: the shape picture, its footnote and the paging buttons.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kPictureWidth, kPictureHeight);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1 = new QLabel(tr(kFootnote), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    PicLeftBtn = new QPushButton(tr("Prev <"), Panel1);
    PicLeftBtn->setObjectName(QStringLiteral("PicLeftBtn"));
    PicRightBtn = new QPushButton(tr("Next >"), Panel1);
    PicRightBtn->setObjectName(QStringLiteral("PicRightBtn"));
    ShapeNoLabel = new QLabel(tr("Shape No."), Panel1);
    ShapeNoLabel->setObjectName(QStringLiteral("ShapeNoLabel"));
    SetBold(ShapeNoLabel);
    ShapeNoLabel->setMinimumWidth(ShapeNoLabel->fontMetrics().horizontalAdvance(tr("Shape No. 18/18")));
    ShapeNoLabel->setAlignment(Qt::AlignCenter);
    auto* paging = new QHBoxLayout;
    paging->addWidget(Label1, 1);
    paging->addWidget(PicLeftBtn);
    paging->addWidget(ShapeNoLabel);
    paging->addWidget(PicRightBtn);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    panelLayout->addWidget(Image1, 0, Qt::AlignLeft);
    panelLayout->addLayout(paging);

    // Dimensions: X, Y, X1 and the options on the left; H, W, Z, X2 on the right.
    GroupBox1 = new QGroupBox(tr("Enter Tank Dimension (Millimetre)"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    const QString zero = QStringLiteral("0");
    X_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("X_Edit"), tr("X Value"), zero, true);
    H_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("H_Edit"), tr("H Value"), zero, true);
    Y_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("Y_Edit"), tr("Y Value"), zero, true);
    W_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("W_Edit"), tr("W Value"), zero, true);
    X1_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("X1_Edit"), tr("X1 Value"), zero, true);
    Z_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("Z_Edit"), tr("Z Value"), zero, true);
    X2_Edit = MakeLabeledEdit(GroupBox1, QStringLiteral("X2_Edit"), tr("X2 Value"), QString(), true);
    InchCheckBox = new QCheckBox(tr("Inch Unit"), GroupBox1);
    InchCheckBox->setObjectName(QStringLiteral("InchCheckBox"));
    HalfTankCheckBox = new QCheckBox(tr("Half Tank"), GroupBox1);
    HalfTankCheckBox->setObjectName(QStringLiteral("HalfTankCheckBox"));
    ReserveCheckBox = new QCheckBox(tr("10% Reserve"), GroupBox1);
    ReserveCheckBox->setObjectName(QStringLiteral("ReserveCheckBox"));
    for (QCheckBox* box : {InchCheckBox, HalfTankCheckBox, ReserveCheckBox}) {
        SetBold(box, kEmphasisPointSize);
    }
    auto* dimensions = new QGridLayout(GroupBox1);
    dimensions->addWidget(X_Edit->parentWidget(), 0, 0);
    dimensions->addWidget(Y_Edit->parentWidget(), 1, 0);
    dimensions->addWidget(X1_Edit->parentWidget(), 2, 0);
    dimensions->addWidget(InchCheckBox, 3, 0);
    dimensions->addWidget(HalfTankCheckBox, 4, 0);
    dimensions->addWidget(ReserveCheckBox, 5, 0);
    dimensions->addWidget(H_Edit->parentWidget(), 0, 1);
    dimensions->addWidget(W_Edit->parentWidget(), 1, 1);
    dimensions->addWidget(Z_Edit->parentWidget(), 2, 1);
    dimensions->addWidget(X2_Edit->parentWidget(), 3, 1, 3, 1, Qt::AlignTop);
    dimensions->setRowStretch(6, 1);
    for (QLineEdit* edit : {X_Edit, H_Edit, Y_Edit, W_Edit, X1_Edit, Z_Edit, X2_Edit}) {
        edit->setMaximumWidth(110);
        SetLabeledEditVisible(edit, false); // the opening shows those of shape 1
    }

    // Results.
    GroupBox2 = new QGroupBox(tr("Non-Linear Calculated Values"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    const LevelSetRows rows =
        MakeLevelSetRows(GroupBox2,
                         {QStringLiteral("Label6"), QStringLiteral("Label7"), QStringLiteral("Label8"),
                          QStringLiteral("Label9"), QStringLiteral("Label11")},
                         kEmphasisPointSize);
    Label2 = rows.captions[0];
    Label3 = rows.captions[1];
    Label4 = rows.captions[2];
    Label5 = rows.captions[3];
    Label10 = rows.captions[4];
    Label6 = rows.values[0];
    Label7 = rows.values[1];
    Label8 = rows.values[2];
    Label9 = rows.values[3];
    Label11 = rows.values[4];

    // Buttons and the volume.
    const CalculatorButtons buttons = MakeCalculatorButtons(
        this, {QStringLiteral("CalBtn1"), QStringLiteral("SaveBtn1"), QStringLiteral("CloseBtn1")});
    CalBtn1 = buttons.calculate;
    LabeledEdit1 =
        MakeLabeledEdit(this, QStringLiteral("LabeledEdit1"), tr("Volume in Litres"), zero, true, &LabeledEdit1Label);
    LabeledEdit1->setReadOnly(true);
    LabeledEdit1Label->setMinimumWidth(LabeledEdit1Label->fontMetrics().horizontalAdvance(tr("Volume in US Gallons")) +
                                       4);
    SaveBtn1 = buttons.saveClose;
    CloseBtn1 = buttons.close;
    ChartBtn1 = new QPushButton(tr("Chart..."), this);
    ChartBtn1->setObjectName(QStringLiteral("ChartBtn1"));
    ChartBtn1->setEnabled(false);

    auto* lower = new QGridLayout;
    lower->addWidget(GroupBox1, 0, 0);
    lower->addWidget(GroupBox2, 0, 1, 1, 2);
    lower->addWidget(CalBtn1, 1, 0, Qt::AlignBottom);
    lower->addWidget(LabeledEdit1->parentWidget(), 1, 1, 1, 2);
    lower->addWidget(ChartBtn1, 2, 0);
    lower->addWidget(SaveBtn1, 2, 1);
    lower->addWidget(CloseBtn1, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(lower, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetTabChain({Panel1, X_Edit, H_Edit, Y_Edit, W_Edit, X1_Edit, Z_Edit, X2_Edit, InchCheckBox, HalfTankCheckBox,
                 ReserveCheckBox, CalBtn1, LabeledEdit1, ChartBtn1, SaveBtn1, CloseBtn1});

    connect(PicLeftBtn, &QPushButton::clicked, this, &TNonLinearizationForm::PicLeftBtnClick);
    connect(PicRightBtn, &QPushButton::clicked, this, &TNonLinearizationForm::PicRightBtnClick);
    // toggled fires for the user's clicks and for the window's own state changes alike.
    connect(HalfTankCheckBox, &QCheckBox::toggled, this, &TNonLinearizationForm::HalfTankCheckBoxClick);
    connect(InchCheckBox, &QCheckBox::toggled, this, &TNonLinearizationForm::InchCheckBoxClick);
    connect(CalBtn1, &QPushButton::clicked, this, &TNonLinearizationForm::CalBtn2Click);
    connect(SaveBtn1, &QPushButton::clicked, this, &TNonLinearizationForm::SaveBtn1Click);
    connect(ChartBtn1, &QPushButton::clicked, this, &TNonLinearizationForm::ChartBtn1Click);
    connect(CloseBtn1, &QPushButton::clicked, this, &TNonLinearizationForm::CloseBtn1Click);
}

void TNonLinearizationForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TNonLinearizationForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TNonLinearizationForm::FormActivate() {
    ui::LoadPicture(*Image1, ShapePictureName(1, false), prompts_);
    for (QLineEdit* edit : {X_Edit, H_Edit, W_Edit, X1_Edit, Y_Edit, Z_Edit}) {
        SetLabeledEditVisible(edit, true);
    }
    HalfTankCheckBox->setVisible(true);
    HalfTankCheckBox->setEnabled(true);
    SetLabeledEditVisible(X2_Edit, false);
    ShapeNo = 1;
    ShapeCount = kShapeCount;
    ShapeNoLabel->setText(tr("Shape No. 1/%1").arg(ShapeCount));
}

void TNonLinearizationForm::PicLeftBtnClick() {
    ShapeNo = ShapeNo == 1 ? ShapeCount : ShapeNo - 1;
    UpdateForm();
}

void TNonLinearizationForm::PicRightBtnClick() {
    ShapeNo = ShapeNo == ShapeCount ? 1 : ShapeNo + 1;
    UpdateForm();
}

void TNonLinearizationForm::UpdateForm() {
    ShapeNoLabel->setText(tr("Shape No. %1/%2").arg(ShapeNo).arg(ShapeCount));
    if (!HasHalfTank(ShapeNo)) {
        pictureLoadDeferred_ = true;
        HalfTankCheckBox->setChecked(false);
        pictureLoadDeferred_ = false;
    }
    // The cylinder hides the box; the vessels after it show it, but it does not apply.
    HalfTankCheckBox->setVisible(ShapeNo != kCylinderShape);
    HalfTankCheckBox->setEnabled(HasHalfTank(ShapeNo));
    LoadShapePicture();

    if (!IsValidShape(ShapeNo)) {
        return;
    }
    const ShapeEditRules rules = ShapeEditRulesOf(ShapeNo);
    const std::pair<QLineEdit*, ShapeEditRule> edits[] = {{X_Edit, rules.x}, {W_Edit, rules.w}, {X1_Edit, rules.x1},
                                                          {Y_Edit, rules.y}, {Z_Edit, rules.z}, {X2_Edit, rules.x2}};
    for (const auto& [edit, rule] : edits) {
        SetLabeledEditVisible(edit, rule.shown);
        if (rule.cleared) {
            edit->setText(QStringLiteral("0"));
        }
    }
    SetLabeledEditVisible(H_Edit, true);
}

void TNonLinearizationForm::LoadShapePicture() {
    ui::LoadPicture(*Image1, ShapePictureName(ShapeNo, HalfTankCheckBox->isChecked()), prompts_);
}

void TNonLinearizationForm::HalfTankCheckBoxClick() {
    if (!pictureLoadDeferred_) {
        LoadShapePicture();
    }
    Label1->setText(HalfTankCheckBox->isChecked() ? QString() : tr(kFootnote));
}

void TNonLinearizationForm::InchCheckBoxClick() {
    const bool inch = InchCheckBox->isChecked();
    GroupBox1->setTitle(inch ? tr("Enter Tank Dimension (Inch)") : tr("Enter Tank Dimension (Millimetre)"));
    LabeledEdit1Label->setText(inch ? tr("Volume in US Gallons") : tr("Volume in Litres"));
    LabeledEdit1->setText(QStringLiteral("0"));
    const std::string_view bottom = inch ? kDefaultBottomLimitInches : kDefaultBottomLimitMillimetres;
    Label11->setText(QString::fromUtf8(bottom.data(), static_cast<qsizetype>(bottom.size())));
    // The volume shown is gone; a chart would no longer match the window.
    calculated_.reset();
    ChartBtn1->setEnabled(false);
}

void TNonLinearizationForm::CalBtn2Click() {
    const ShapeOptions options{ShapeNo, HalfTankCheckBox->isChecked(), ReserveCheckBox->isChecked(),
                               InchCheckBox->isChecked()};
    const ShapeEditTexts texts{X_Edit->text().toStdString(),  H_Edit->text().toStdString(),
                               Y_Edit->text().toStdString(),  W_Edit->text().toStdString(),
                               X1_Edit->text().toStdString(), Z_Edit->text().toStdString(),
                               X2_Edit->text().toStdString()};
    const ShapeCalculation result = CalculateShape(options, texts, DecimalSeparator());
    if (!result.ok()) {
        prompts_.ShowError(result.error);
        return;
    }
    LabeledEdit1->setText(QString::fromStdString(result.volume));
    Label11->setText(QString::fromStdString(result.levelSet.bottomLimit));
    const std::array<QLabel*, 4> levels{Label6, Label7, Label8, Label9};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i]->setText(QString::fromStdString(result.levelSet.levels[i]));
    }
    calculated_.emplace(options.shape, options.halfTank, options.reserve, options.inchUnit, result.dimensions);
    lastCalculation_ = ShapeCalculationRecord(options, texts, result);
    ChartBtn1->setEnabled(true);
}

void TNonLinearizationForm::ChartBtn1Click() {
    if (!calculated_) {
        return;
    }
    TTankChartForm chart(*calculated_, prompts_, this);
    chart.exec();
}

void TNonLinearizationForm::SaveBtn1Click() {
    if (prompts_.Confirm(kConfirmLevelHandOver) == ConfirmAnswer::Yes) {
        HandOverShownLevelSet({Label6, Label7, Label8, Label9, Label11}, mainControls_, prompts_,
                              InchCheckBox->isChecked(), LevelCalculator::Shape, lastCalculation_,
                              OnLevelSetHandedOver);
        accept();
        return;
    }
    reject();
}

void TNonLinearizationForm::CloseBtn1Click() {
    close();
}

void TNonLinearizationForm::FormClose() {
    lastCalculation_.reset();
    for (QLineEdit* edit : {X_Edit, H_Edit, Y_Edit, W_Edit, X1_Edit, Z_Edit, X2_Edit, LabeledEdit1}) {
        edit->setText(QStringLiteral("0"));
    }
    // Unchecking runs the boxes' handlers: plain picture, footnote, millimetre captions.
    HalfTankCheckBox->setChecked(false);
    ReserveCheckBox->setChecked(false);
    InchCheckBox->setChecked(false);
    const std::array<QLabel*, 5> results{Label6, Label7, Label8, Label9, Label11};
    const std::array<const char*, 5> defaults{"20", "40", "60", "80", "2000"};
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i]->setText(QString::fromLatin1(defaults[i]));
    }
    calculated_.reset();
    ChartBtn1->setEnabled(false);
}

} // namespace zeft::calc_ui
