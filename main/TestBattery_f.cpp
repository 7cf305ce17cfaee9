#include "main/TestBattery_f.h"

#include "seams/SenderLink.h"
#include "ui/DesignScale.h"
#include "ui/QtPrompts.h"
#include "ui/WidgetFactory.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zeft {

namespace {

using ui::MakeLabel;

QFrame* MakeBevel(QWidget* parent, const char* name) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return bevel;
}

} // namespace

TBatteryTestForm::TBatteryTestForm(SenderLink& link, QWidget* parent, Prompts* prompts)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Bevel1(MakeBevel(this, "Bevel1")),
      Label1(MakeLabel(this, "Label1", tr("Step 1: Press the TEST button to power on"))),
      Label2(MakeLabel(this, "Label2", tr("the programming interface."))),
      Label6(MakeLabel(this, "Label6", tr("Step 2: Measure the voltage between the"))),
      Label7(MakeLabel(this, "Label7", tr("red and black terminals."))),
      Label8(MakeLabel(this, "Label8", tr("Step 3: Replace battery if below 8 Volts."))),
      Bevel2(MakeBevel(this, "Bevel2")), LabelPower(MakeLabel(this, "LabelPower", tr("Power is"))),
      LabelStatus(MakeLabel(this, "LabelStatus", tr("OFF"))), ButtonTest(new QPushButton(tr("TEST"), this)),
      Button2(new QPushButton(tr("Close"), this)), link_(link),
      ownPrompts_(prompts ? nullptr : std::make_unique<ui::QtPrompts>(this)),
      prompts_(prompts ? *prompts : *ownPrompts_) {
    setObjectName(QStringLiteral("BatteryTestForm"));
    setWindowTitle(tr("Battery Test"));
    setModal(true);
    ButtonTest->setObjectName(QStringLiteral("ButtonTest"));
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(ButtonTest, &QPushButton::clicked, this, &TBatteryTestForm::ButtonTestClick);
    connect(Button2, &QPushButton::clicked, this, &TBatteryTestForm::Button2Click);
    setTabOrder(ButtonTest, Button2);

    // The labels are designed at 10 point against the window's 8.
    QFont labelFont = font();
    labelFont.setPointSizeF(labelFont.pointSizeF() * 10.0 / 8.0);
    for (QLabel* label : {Label1, Label2, Label6, Label7, Label8, LabelPower, LabelStatus}) {
        label->setFont(labelFont);
    }
    ui::DesignScale scale(
        labelFont, {{Label1->text(), 255}, {Label6->text(), 255}, {Label8->text(), 253}, {Label2->text(), 211}}, 16);
    const QFontMetrics labelMetrics(labelFont);
    scale.Fit(labelMetrics.horizontalAdvance(LabelPower->text() + QLatin1Char(' ')) +
                  std::max(labelMetrics.horizontalAdvance(tr("OFF")), labelMetrics.horizontalAdvance(tr("ON"))),
              86);
    setFixedSize(scale(281), scale(178));
    scale.Place(*Bevel1, 8, 8, 265, 121);
    scale.PlaceLabel(*Label1, 16, 16);
    scale.PlaceLabel(*Label2, 60, 32);
    scale.PlaceLabel(*Label6, 16, 56);
    scale.PlaceLabel(*Label7, 60, 72);
    scale.PlaceLabel(*Label8, 18, 96);
    scale.Place(*Bevel2, 8, 144, 97, 25);
    scale.Place(*ButtonTest, 120, 144, 75, 25);
    scale.Place(*Button2, 200, 144, 75, 25);
    LabelPower->adjustSize();
    LabelPower->move(scale(16), Bevel2->y() + (Bevel2->height() - LabelPower->height()) / 2);
    LabelStatus->move(LabelPower->x() + LabelPower->width() + scale(6), LabelPower->y());
    ShowStatus(tr("OFF"), Qt::black);
}

TBatteryTestForm::~TBatteryTestForm() = default;

void TBatteryTestForm::ShowStatus(const QString& text, const QColor& colour) {
    LabelStatus->setText(text);
    QPalette palette = LabelStatus->palette();
    palette.setColor(QPalette::WindowText, colour);
    LabelStatus->setPalette(palette);
    LabelStatus->adjustSize();
    // Read out whole: "OFF" alone would not say what is off.
    LabelStatus->setAccessibleName(LabelPower->text() + QLatin1Char(' ') + text);
}

bool TBatteryTestForm::PowerShownOn() const {
    return LabelStatus->text() == tr("ON");
}

void TBatteryTestForm::FormActivate() {
    // RTS is low here: the main window keeps the sender unpowered between operations.
    ShowStatus(tr("OFF"), Qt::black);
}

void TBatteryTestForm::ButtonTestClick() {
    if (LabelStatus->text() == tr("OFF")) {
        if (SwitchPower(true)) {
            ShowStatus(tr("ON"), Qt::red);
        }
    } else if (SwitchPower(false)) {
        ShowStatus(tr("OFF"), Qt::black);
    }
}

bool TBatteryTestForm::SwitchPower(bool on) {
    link_.SetRTSState(on);
    if (link_.RTSSwitchable()) {
        return true;
    }
    prompts_.ShowWarning(kCannotSwitchRtsText);
    return false;
}

void TBatteryTestForm::Button2Click() {
    close();
}

void TBatteryTestForm::FormClose() {
    link_.SetRTSState(false);
}

void TBatteryTestForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TBatteryTestForm::done(int result) {
    // Every way out (Close, the title-bar button, Escape) passes here.
    FormClose();
    QDialog::done(result);
}

} // namespace zeft
