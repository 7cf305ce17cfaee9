#include "main/ProductionForm.h"

#include "base/SaveTarget.h"
#include "main/ConfigFile.h"
#include "main/ProductionRun.h"
#include "main/RegularFile.h"
#include "main/SaveFileName.h"
#include "seams/FileDialogs.h"
#include "seams/Prompts.h"
#include "ui/QtIntervalTimer.h"
#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QAccessible>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zeft {
namespace {

using ui::MakeButton;
using ui::MakeLabel;
using ui::Named;

// Large enough to read from the bench, an arm's length away.
constexpr int kStatePointSize = 22;
constexpr int kCountPointSize = 16;

void SetPointSize(QLabel* label, int points) {
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(true);
    label->setFont(font);
}

} // namespace

TProductionForm::TProductionForm(TSerialLink& port, Prompts& prompts, FileDialogs& dialogs,
                                 const RecordedSettings& settings, const std::filesystem::path& historyFile,
                                 const std::string& label, QWidget* parent)
    : QDialog(parent), prompts_(prompts), dialogs_(dialogs), engineTimer_(std::make_unique<ui::QtIntervalTimer>()),
      waitTimer_(std::make_unique<ui::QtIntervalTimer>()),
      run_(std::make_unique<ProductionRun>(port, prompts, *engineTimer_, *waitTimer_)) {
    setObjectName(QStringLiteral("ProductionForm"));
    setWindowTitle(tr("Production"));
    PutSettingsIntoControls(settings, run_->Settings());
    run_->RecordInto(historyFile, "window", [this](const std::string& text, const std::string& detail) {
        prompts_.ShowWarningWithDetail(text, detail);
    });

    SourceLabel = MakeLabel(this, "SourceLabel", tr("Settings: the main window's"));
    SourceLabel->setWordWrap(true);
    LoadBtn = MakeButton(this, "LoadBtn", tr("Load &File..."));
    SourceLabel->setBuddy(LoadBtn);
    JobLabelLabel = MakeLabel(this, "JobLabelLabel", tr("Job &label:"));
    EditJobLabel = Named(new QLineEdit(ui::FromUtf8(label), this), "EditJobLabel");
    JobLabelLabel->setBuddy(EditJobLabel);
    CountLabel = MakeLabel(this, "CountLabel", tr("Stop &after this many senders (0: no end):"));
    EditCount = Named(new QSpinBox(this), "EditCount");
    EditCount->setRange(0, 100000);
    CountLabel->setBuddy(EditCount);

    StateLabel = MakeLabel(this, "StateLabel", "");
    SetPointSize(StateLabel, kStatePointSize);
    StateLabel->setWordWrap(true);
    StateLabel->setMinimumHeight(QFontMetrics(StateLabel->font()).lineSpacing() * 3);
    StateLabel->setAlignment(Qt::AlignCenter);
    StateLabel->setFrameShape(QFrame::StyledPanel);
    PassedLabel = MakeLabel(this, "PassedLabel", "");
    FailedLabel = MakeLabel(this, "FailedLabel", "");
    SetPointSize(PassedLabel, kCountPointSize);
    SetPointSize(FailedLabel, kCountPointSize);
    SummaryLabel = MakeLabel(this, "SummaryLabel", "");
    SummaryLabel->setWordWrap(true);

    StartBtn = MakeButton(this, "StartBtn", tr("&Start"));
    StopBtn = MakeButton(this, "StopBtn", tr("S&top"));
    CloseBtn = MakeButton(this, "CloseBtn", tr("Close"));

    auto* settingsRow = new QGridLayout;
    settingsRow->addWidget(SourceLabel, 0, 0);
    settingsRow->addWidget(LoadBtn, 0, 1);
    settingsRow->addWidget(JobLabelLabel, 1, 0);
    settingsRow->addWidget(EditJobLabel, 1, 1);
    settingsRow->addWidget(CountLabel, 2, 0);
    settingsRow->addWidget(EditCount, 2, 1);
    settingsRow->setColumnStretch(0, 1);
    auto* counts = new QHBoxLayout;
    counts->addWidget(PassedLabel);
    counts->addStretch(1);
    counts->addWidget(FailedLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(StartBtn);
    buttons->addWidget(StopBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settingsRow);
    layout->addWidget(StateLabel, 1);
    layout->addLayout(counts);
    layout->addWidget(SummaryLabel);
    layout->addLayout(buttons);
    // A width to start with, not a minimum: the layout's own minimum must hold, and it grows
    // with longer translations and larger fonts.
    resize(560, 0);

    connect(StartBtn, &QPushButton::clicked, this, &TProductionForm::StartBtnClick);
    connect(StopBtn, &QPushButton::clicked, this, &TProductionForm::StopBtnClick);
    connect(LoadBtn, &QPushButton::clicked, this, &TProductionForm::LoadBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TProductionForm::reject);
    run_->OnStateChanged = [this] { ShowState(); };
    run_->OnUnitDone = [this](const ProductionUnit&) { ShowCounts(); };
    run_->OnEnded = [this] { Ended(); };

    ShowState();
    ShowCounts();
    UpdateButtons();
    StartBtn->setFocus();
}

TProductionForm::~TProductionForm() {
    run_->OnStateChanged = nullptr;
    run_->OnUnitDone = nullptr;
    run_->OnEnded = nullptr;
    run_.reset();
}

void TProductionForm::StartBtnClick() {
    if (run_->Running() || !run_->SettingsAcceptable()) {
        return;
    }
    SummaryLabel->clear();
    if (run_->Start(EditJobLabel->text().toStdString(), EditCount->value())) {
        ShowCounts();
        UpdateButtons();
        StopBtn->setFocus();
    }
}

void TProductionForm::StopBtnClick() {
    run_->Stop();
}

void TProductionForm::LoadBtnClick() {
    if (run_->Running()) {
        return;
    }
    const std::optional<std::string> name = dialogs_.AskOpenConfigPath();
    if (!name) {
        return;
    }
    const std::filesystem::path path = PathFromUtf8(*name);
    if (IsSpecialFile(path)) {
        prompts_.ShowApplicationError(std::string(kNotRegularFileText));
        return;
    }
    LoadConfigFile(path, run_->Settings());
    SourceLabel->setText(tr("Settings: %1").arg(ui::FromUtf8(*name)));
}

// Escape or the title bar's button: a running line is stopped first, the sender switched off.
void TProductionForm::reject() {
    run_->Stop();
    QDialog::reject();
}

void TProductionForm::ShowState() {
    QString text = ui::FromUtf8(run_->StateText());
    if (run_->State() == ProductionState::Idle) {
        text = tr("Press Start to begin");
    } else if (run_->State() == ProductionState::Ended) {
        text = run_->Summary().stopped ? tr("Stopped") : tr("Done");
    }
    StateLabel->setText(text);
    StateLabel->setAccessibleName(text);
    // A screen reader hears each new state, not only when the label has the focus.
    QAccessibleEvent event(StateLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TProductionForm::ShowCounts() {
    PassedLabel->setText(tr("Passed: %1").arg(run_->Summary().programmed));
    FailedLabel->setText(tr("Failed: %1").arg(run_->Summary().failed));
}

void TProductionForm::Ended() {
    ShowCounts();
    SummaryLabel->setText(ui::FromUtf8(ProductionSummaryText(run_->Summary())));
    UpdateButtons();
    StartBtn->setFocus();
}

void TProductionForm::UpdateButtons() {
    const bool running = run_->Running();
    StartBtn->setEnabled(!running);
    StopBtn->setEnabled(running);
    LoadBtn->setEnabled(!running);
    EditJobLabel->setEnabled(!running);
    EditCount->setEnabled(!running);
}

} // namespace zeft
