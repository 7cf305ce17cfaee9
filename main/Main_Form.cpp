#include "main/Main_Form.h"

#include "main/AsFoundAsLeft.h"
#include "main/ConfigFile.h"
#include "main/ConfigFileCommands.h"
#include "main/DataLocations.h"
#include "main/DeviceSession.h"
#include "main/ExchangeEngine.h"
#include "main/HistoryReader.h"
#include "main/JobForm.h"
#include "main/JobHistoryForm.h"
#include "main/LanguageSetting.h"
#include "main/LocalTime.h"
#include "main/PlainSettingsControls.h"
#include "main/ProductionForm.h"
#include "main/SaveFileName.h"
#include "main/SenderSettings.h"
#include "main/SettingsComparisonForm.h"
#include "main/SetupSheetCommands.h"
#include "main/TextTranslation.h"
#include "serial/LineSettingNames.h"
#include "serial/PortDescription.h"
#include "serial/PortDoctorDlg.h"
#include "serial/SerialLink.h"
#include "serial/SerialLinkSettingsTarget.h"
#include "ui/DesignScale.h"
#include "ui/ProgramIcon.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtIntervalTimer.h"
#include "ui/QtOperationButtons.h"
#include "ui/QtPrompts.h"
#include "ui/QtSettingsControls.h"
#include "ui/SetupSheetPdf.h"
#include "ui/Translations.h"
#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <ctime>
#include <utility>

namespace zeft {

TMain_Form* Main_Form = nullptr;

namespace {

// Where the port settings are kept, as the product has always named them.
const std::string kSettingsKey = "Software\\KOV\\ZEFT";
const std::string kSettingsSection = "CommSetting";

// Why the port is closed, under "Cannot Open COM port!".
const char kNoPortSelected[] = ZEFT_TEXT("Core", "No serial port was selected.");
const char kSettingsCancelled[] =
    ZEFT_TEXT("Core", "No serial port is open: the Communication Settings were cancelled.");
const char kClosedForUpdate[] = ZEFT_TEXT("Core", "The serial port was closed for a firmware update.");

using ui::MakeButton;
using ui::MakeEdit;
using ui::MakeLabel;
using ui::MakeList;
using ui::Named;

} // namespace

TMain_Form::TMain_Form(QWidget* parent) : TMain_Form(Options{}, parent) {}

TMain_Form::TMain_Form(Options options, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      serialLink_(std::make_unique<TSerialLink>()), SerialLink1(*serialLink_), options_(std::move(options)) {
    setObjectName(QStringLiteral("Main_Form"));
    setWindowTitle(QStringLiteral("ZEFT Programmer"));
    setWindowIcon(ui::ProgramIcon());
    CreateControls();
    CreateMenus();
    LayOut();
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }

    // The serial component as placed on the window: COM1, 500 us per character, every
    // report let through. The stored settings replace these at start-up.
    SerialLink1.SetCommPort("COM1");
    SerialLink1.SetRTOCharDelayTime(500);
    SerialLink1.SetErrorNoise(255);

    prompts_ = std::make_unique<ui::QtPrompts>(this);
    fileDialogs_ = std::make_unique<ui::QtFileDialogs>(this);
    timer_ = std::make_unique<ui::QtIntervalTimer>();
    controls_ = std::make_unique<ui::QtSettingsControls>(
        *ComboBoxVoltage, *ComboBoxFluid,
        std::array<QLineEdit*, 6>{EditTopLimit, EditBottomLimit, EditLinearA, EditLinearB, EditLinearC, EditLinearD},
        *Label9, [this](const std::string& text) { SetStatusPanel(0, text); });
    buttons_ = std::make_unique<ui::QtOperationButtons>(*ReadBtn, *ResetBtn, *Setbtn);
    buttons_->OnTagChanged = [this] { UpdateCommands(); };
    session_ = std::make_unique<DeviceSession>(SerialLink1, *controls_, *buttons_, *prompts_, *timer_);
    session_->SetOpenFailurePointer(tr("See Com Port > Diagnose...").toStdString());
    // Told after the operation's own box and status, so it never hides them.
    session_->RecordInto(options_.historyFile, "window", [this](const std::string& text, const std::string& detail) {
        prompts_->ShowWarningWithDetail(text, detail);
    });
    session_->OnOperationEnded = [this](DeviceOperation) {
        if (compareKept_) {
            CompareDeviceEnded();
        }
        if (readFirstKept_) {
            ReadFirstEnded();
        }
    };
    SetJob(ReadJobSettings(options_.store.Medium(), kSettingsKey));

    if (options_.runStartup) {
        FormCreate();
    }
}

TMain_Form::~TMain_Form() {
    timer_->Stop();
    session_->OnOperationEnded = nullptr;
    session_.reset();
    if (Main_Form == this) {
        Main_Form = nullptr;
    }
}

void TMain_Form::CreateControls() {
    auto* client = Named(new QWidget(this), "ClientArea");
    setCentralWidget(client);

    GroupBox1 = Named(new QGroupBox(tr("Sensor Parameters"), client), "GroupBox1");
    Label1 = MakeLabel(GroupBox1, "Label1", tr("Output Type"));
    ComboBoxVoltage = MakeList(GroupBox1, "ComboBoxVoltage", kOutputTypeItems);
    Label2 = MakeLabel(GroupBox1, "Label2", tr("Fluid Type"));
    ComboBoxFluid = MakeList(GroupBox1, "ComboBoxFluid", kFluidTypeItems);
    Label3 = MakeLabel(GroupBox1, "Label3", tr("Set Top Limit (Millimetre)"));
    EditTopLimit = MakeEdit(GroupBox1, "EditTopLimit", kDefaultTopLimit, tr("Set Top Limit: 10 to 1000"));
    Label4 = MakeLabel(GroupBox1, "Label4", tr("Set Bottom Limit (Millimetre)"));
    EditBottomLimit = MakeEdit(GroupBox1, "EditBottomLimit", kDefaultBottomLimit, tr("Set Bottom Limit: 100 to 2000"));
    Label11 = MakeLabel(GroupBox1, "Label11", tr("1 inch = 25.4 millimetre"));
    QFont reminder = font();
    reminder.setPointSizeF(reminder.pointSizeF() * 10.0 / 8.0);
    Label11->setFont(reminder);
    QPalette red = Label11->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label11->setPalette(red);

    GroupBox2 = Named(new QGroupBox(tr("Tank Linearization Parameters"), client), "GroupBox2");
    Label5 = MakeLabel(GroupBox2, "Label5", tr("Set Level A = 20% of Tank Level"));
    Label6 = MakeLabel(GroupBox2, "Label6", tr("Set Level B = 40% of Tank Level"));
    Label7 = MakeLabel(GroupBox2, "Label7", tr("Set Level C = 60% of Tank Level"));
    Label8 = MakeLabel(GroupBox2, "Label8", tr("Set Level D = 80% of Tank Level"));
    EditLinearA = MakeEdit(GroupBox2, "EditLinearA", kDefaultLevels[0], tr("Set Level A: 0 to 100"));
    EditLinearB = MakeEdit(GroupBox2, "EditLinearB", kDefaultLevels[1], tr("Set Level B: 0 to 100"));
    EditLinearC = MakeEdit(GroupBox2, "EditLinearC", kDefaultLevels[2], tr("Set Level C: 0 to 100"));
    EditLinearD = MakeEdit(GroupBox2, "EditLinearD", kDefaultLevels[3], tr("Set Level D: 0 to 100"));

    Label10 = MakeLabel(client, "Label10", tr("Current Settings:"));
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    Label9 = MakeLabel(Panel1, "Label9", "");
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette black = Label9->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Label9->setPalette(black);

    ReadBtn = MakeButton(client, "ReadBtn", tr("Read Device"));
    Setbtn = MakeButton(client, "Setbtn", tr("Program Device"));
    ResetBtn = MakeButton(client, "ResetBtn", tr("Restore Default"));
    ExitBtn = MakeButton(client, "ExitBtn", tr("Exit"));
    connect(ReadBtn, &QPushButton::clicked, this, &TMain_Form::ReadBtnClick);
    connect(Setbtn, &QPushButton::clicked, this, &TMain_Form::SetBtn1Click);
    connect(ResetBtn, &QPushButton::clicked, this, &TMain_Form::RestBtnClick);
    connect(ExitBtn, &QPushButton::clicked, this, &TMain_Form::ExitBtnClick);

    QWidget* order[] = {ComboBoxVoltage, ComboBoxFluid, EditTopLimit, EditBottomLimit, EditLinearA, EditLinearB,
                        EditLinearC,     EditLinearD,   ReadBtn,      Setbtn,          ResetBtn,    ExitBtn};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    // Each caption names its control, so a screen reader announces the control by it.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {Label1, ComboBoxVoltage}, {Label2, ComboBoxFluid}, {Label3, EditTopLimit}, {Label4, EditBottomLimit},
        {Label5, EditLinearA},     {Label6, EditLinearB},   {Label7, EditLinearC},  {Label8, EditLinearD}};
    for (const auto& [label, control] : buddies) {
        label->setBuddy(control);
    }

    auto* bar = Named(new QStatusBar(this), "StatusBar1");
    bar->setSizeGripEnabled(false);
    setStatusBar(bar);
    for (int panel = 0; panel < 2; ++panel) {
        statusPanels_[panel] = Named(new QLabel(bar), panel == 0 ? "StatusPanel0" : "StatusPanel1");
        statusPanels_[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(statusPanels_[panel], panel);
    }
}

void TMain_Form::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto item = [this](QMenu* menu, const char* name, const QString& text, void (TMain_Form::*handler)()) {
        QAction* action = Named(menu->addAction(text), name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    File1 = Named(bar->addMenu(tr("&File")), "File1");
    Open1 = item(File1, "Open1", tr("&Load..."), &TMain_Form::Open1Click);
    Close1 = item(File1, "Close1", tr("Save &As..."), &TMain_Form::Close1Click);
    CompareFile1 = item(File1, "CompareFile1", tr("Compare with File..."), &TMain_Form::CompareFile1Click);
    CompareDevice1 = item(File1, "CompareDevice1", tr("Compare with Device"), &TMain_Form::CompareDevice1Click);
    SaveSetupSheet1 = item(File1, "SaveSetupSheet1", tr("Save Setup Sheet..."), &TMain_Form::SaveSetupSheet1Click);
    History1 = item(File1, "History1", tr("History..."), &TMain_Form::History1Click);
    Job1 = item(File1, "Job1", tr("&Job..."), &TMain_Form::Job1Click);
    Production1 = item(File1, "Production1", tr("&Production..."), &TMain_Form::Production1Click);
    Close2 = item(File1, "Close2", tr("E&xit"), &TMain_Form::Close2Click);
    ComPort1 = Named(bar->addMenu(tr("Com &Port")), "ComPort1");
    Setting1 = item(ComPort1, "Setting1", tr("&Settings..."), &TMain_Form::FormCreate);
    Diagnose1 = item(ComPort1, "Diagnose1", tr("&Diagnose..."), &TMain_Form::Diagnose1Click);
    NonLinearization1 = Named(bar->addMenu(tr("Non-&Linearization")), "NonLinearization1");
    Shape11 = item(NonLinearization1, "Shape11", tr("Shape..."), &TMain_Form::Shape11Click);
    Volume = item(NonLinearization1, "Volume", tr("Volume..."), &TMain_Form::VolumeClick);
    Height1 = item(NonLinearization1, "Height1", tr("Height..."), &TMain_Form::Height1Click);
    MeasuredTable1 =
        item(NonLinearization1, "MeasuredTable1", tr("Measured Table..."), &TMain_Form::MeasuredTable1Click);
    Help1 = Named(bar->addMenu(tr("&Help")), "Help1");
    Help2 = item(Help1, "Help2", tr("Help"), &TMain_Form::Help2Click);
    About1 = item(Help1, "About1", tr("About..."), &TMain_Form::About1Click);
    FirmwareUpdate = item(Help1, "FirmwareUpdate", tr("Firmware Update..."), &TMain_Form::FirmwareUpdateClick);
    FirmwareUpdate->setVisible(false);
    BatteryTest = item(Help1, "BatteryTest", tr("Battery Test..."), &TMain_Form::BatteryTestClick);
    // The languages under their own names, checked as stored.
    Language1 = Named(Help1->addMenu(tr("&Language")), "Language1");
    auto* languages = new QActionGroup(Language1);
    const std::string stored = StoredLanguage(options_.store);
    auto language = [this, languages, &stored](const QString& text, const std::string& code) {
        QAction* action = Named(Language1->addAction(text), ("Language_" + (code.empty() ? "system" : code)).c_str());
        action->setCheckable(true);
        action->setChecked(code == stored);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { LanguageClick(code); });
    };
    language(tr("System default"), "");
    for (const ui::WindowLanguage& known : ui::kWindowLanguages) {
        language(QString::fromUtf8(known.name), known.code);
    }
}

void TMain_Form::LayOut() {
    // Designed at 8-point MS Sans Serif; the widest texts decide how much it must grow.
    ui::DesignScale scale(font(), {{Label5->text(), 165},
                                   {Label4->text(), 165},
                                   {GroupBox2->title(), 165},
                                   {ComboBoxVoltage->itemText(1), 125},
                                   {ResetBtn->text(), 95},
                                   {Setbtn->text(), 95}});
    scale.Fit(QFontMetrics(Label11->font()).horizontalAdvance(Label11->text()), 165);

    scale.Place(*GroupBox1, 16, 8, 185, 241);
    scale.PlaceLabel(*Label1, 16, 24);
    scale.Place(*ComboBoxVoltage, 16, 40, 153, 21);
    scale.PlaceLabel(*Label2, 16, 72);
    scale.Place(*ComboBoxFluid, 16, 85, 153, 21);
    scale.PlaceLabel(*Label3, 16, 120);
    scale.Place(*EditTopLimit, 16, 138, 153, 21);
    scale.PlaceLabel(*Label4, 16, 168);
    scale.Place(*EditBottomLimit, 16, 184, 153, 21);
    scale.PlaceLabel(*Label11, 16, 216);

    scale.Place(*GroupBox2, 216, 8, 185, 241);
    QLabel* levelLabels[] = {Label5, Label6, Label7, Label8};
    QLineEdit* levelEdits[] = {EditLinearA, EditLinearB, EditLinearC, EditLinearD};
    for (int i = 0; i < 4; ++i) {
        scale.PlaceLabel(*levelLabels[i], 16, 24 + 48 * i);
        scale.Place(*levelEdits[i], 16, 40 + 48 * i, 153, 21);
    }

    scale.PlaceLabel(*Label10, 16, 256);
    scale.Place(*Panel1, 16, 272, 265, 145);
    scale.PlaceLabel(*Label9, 8, 12);
    scale.Place(*ReadBtn, 296, 272, 105, 25);
    scale.Place(*Setbtn, 296, 312, 107, 25);
    scale.Place(*ResetBtn, 296, 352, 107, 25);
    scale.Place(*ExitBtn, 296, 392, 107, 25);

    // The client area holds 417 by 450 with the status bar; the menu bar comes on top.
    const int statusHeight = std::max(scale(19), statusPanels_[0]->sizeHint().height() + 2);
    centralWidget()->setFixedSize(scale(417), scale(450) - scale(19));
    statusBar()->setFixedHeight(statusHeight);
    firstPanelWidth_ = scale(300);
    statusPanels_[0]->setFixedWidth(firstPanelWidth_);
    setFixedSize(scale(417), menuBar()->sizeHint().height() + centralWidget()->height() + statusHeight);
}

ExchangeEngine& TMain_Form::Engine() {
    return session_->Engine();
}

SettingsControls& TMain_Form::Controls() {
    return *controls_;
}

Prompts& TMain_Form::MessageBoxes() {
    return *prompts_;
}

SenderLink& TMain_Form::Link() {
    return session_->Link();
}

void TMain_Form::SetCalculatorForms(QDialog* shape, QDialog* volume, QDialog* height) {
    shapeForm_ = shape;
    volumeForm_ = volume;
    heightForm_ = height;
}

void TMain_Form::SetMeasuredTableForm(QDialog* measuredTable) {
    measuredTableForm_ = measuredTable;
}

void TMain_Form::SetStatusPanel(int panel, const std::string& text) {
    statusPanels_[panel]->setText(ui::CoreText("Core", text));
    if (panel == 1) {
        // The first panel is 300 design pixels wide; a long port name takes room from it
        // rather than being cut, as long as the first panel's own messages still fit.
        const QFontMetrics metrics(statusPanels_[1]->font());
        const int needed = metrics.horizontalAdvance(statusPanels_[1]->text()) + 16;
        const int firstMinimum =
            metrics.horizontalAdvance(ui::CoreText("Core", "Fail to communicate with the device!")) + 16;
        const int available = width() - 8;
        statusPanels_[0]->setFixedWidth(std::max(firstMinimum, std::min(firstPanelWidth_, available - needed)));
    }
}

std::string TMain_Form::StatusPanelText(int panel) const {
    return statusPanels_[panel]->text().toStdString();
}

void TMain_Form::FormCreate() {
    Engine().ResetExchange();
    ReadSettings(SerialLink1, kSettingsKey, kSettingsSection, options_.store);
    // Closed while the dialog is up; the reason stands unless OK opens a port.
    session_->Close(kSettingsCancelled);

    // A new dialog every time, owned by the application: the port list is built afresh.
    TSerialLinkDLG dialog(&SerialLink1, nullptr, options_.enumeratePorts);
    const int result = options_.runPortDialog ? options_.runPortDialog(dialog) : dialog.exec();
    if (result == QDialog::Accepted) {
        dialog.StoreToPort(SerialLink1);
        WriteSettings(SerialLink1, kSettingsKey, kSettingsSection, options_.store);
        if (dialog.PortSelected()) {
            session_->Open();
        } else {
            // Nothing to open: no port was found or chosen.
            session_->CloseAndWarn(kNoPortSelected);
        }
    }
    if (!SerialLink1.Active()) {
        SetStatusPanel(0, ZEFT_TEXT("Core", "Please select COM port!"));
        SetStatusPanel(1, "");
    } else {
        SetStatusPanel(0, "");
        SetStatusPanel(1, PortStatusText(SerialLink1));
    }
}

void TMain_Form::Diagnose1Click() {
    TPortDoctorDlg dialog(this);
    dialog.exec();
}

void TMain_Form::UpdateCommands() {
    const bool idle = !session_ || !Engine().Running();
    for (QAction* action : {Job1, Setting1, BatteryTest, Open1, CompareFile1, CompareDevice1, History1, Production1,
                            Shape11, Volume, Height1, MeasuredTable1}) {
        action->setEnabled(idle);
    }
}

void TMain_Form::ReadBtnClick() {
    Engine().ReadBtnClick();
}

// With "Read the sender before programming": a Read Device first, with the settings to
// program kept aside meanwhile (the read writes the sender's into the controls), then the
// program of the kept settings once the read succeeded.
void TMain_Form::SetBtn1Click() {
    if (!job_.readFirst) {
        Engine().SetBtn1Click();
        return;
    }
    if (Engine().Running()) {
        return;
    }
    readFirstKept_ = SettingsFromControls(*controls_);
    controls_->SetSettingsEnabled(false);
    Engine().ReadBtnClick();
    if (!Engine().Running()) {
        readFirstKept_.reset();
        controls_->SetSettingsEnabled(true);
    }
}

void TMain_Form::ReadFirstEnded() {
    PutSettingsIntoControls(*readFirstKept_, *controls_);
    readFirstKept_.reset();
    controls_->SetSettingsEnabled(true);
    if (!Engine().Succeeded()) {
        // After the read's own box: what it means for the program.
        QTimer::singleShot(0, this, [this] { prompts_->ShowError(kReadFirstFailed); });
        return;
    }
    // Once the engine's handler has returned; the program's own checks come then.
    QTimer::singleShot(0, this, [this] { Engine().SetBtn1Click(); });
}

void TMain_Form::SetJob(const JobSettings& job) {
    job_ = job;
    session_->SetJob(job_.label, job_.installer);
    // The label in the title: seen before every operation.
    setWindowTitle(job_.label.empty() ? QStringLiteral("ZEFT Programmer")
                                      : QStringLiteral("ZEFT Programmer - ") + QString::fromStdString(job_.label));
}

void TMain_Form::Job1Click() {
    TJobForm form(job_, this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    JobSettings job = form.Job();
    job.installerAsked = true;
    SetJob(job);
    WriteJobSettings(options_.store.Medium(), kSettingsKey, job_);
}

void TMain_Form::AskInstallerOnce() {
    if (job_.installerAsked || !job_.installer.empty()) {
        return;
    }
    Job1Click();
    // Asked is asked: a Cancel is an answer too.
    if (!job_.installerAsked) {
        job_.installerAsked = true;
        WriteJobSettings(options_.store.Medium(), kSettingsKey, job_);
    }
}

void TMain_Form::RestBtnClick() {
    Engine().RestBtnClick();
}

void TMain_Form::ExitBtnClick() {
    close();
}

void TMain_Form::Close2Click() {
    close();
}

void TMain_Form::Open1Click() {
    LoadSettings(*controls_, *prompts_, *fileDialogs_);
}

void TMain_Form::Close1Click() {
    SaveSettingsAs(*controls_, *prompts_, *fileDialogs_);
}

void TMain_Form::CompareFile1Click() {
    const std::optional<std::string> name = fileDialogs_->AskOpenConfigPath();
    if (!name) {
        return;
    }
    // The file's own codes, so that one the lists do not know shows as the file holds it.
    const RecordedSettings file = ConfigFileSettings(PathFromUtf8(*name));
    TSettingsComparisonForm form(
        CompareSettings(file, SettingsFromControls(*controls_)), tr("Compare with File").toStdString(),
        {tr("File").toStdString(), tr("the file %1, as Load would read it").arg(ui::FromUtf8(*name)).toStdString()},
        {tr("Window").toStdString(), tr("the settings in the main window").toStdString()}, this);
    form.exec();
}

// Reads the sender into a comparison: a Read Device whose settings go into the controls, as
// the engine always writes them, and are taken out again at its end. The controls are off
// meanwhile, so that nothing typed is lost when they get their settings back; the reply
// display and the status keep what the read showed, as after any read.
void TMain_Form::CompareDevice1Click() {
    if (Engine().Running()) {
        return;
    }
    compareKept_ = SettingsFromControls(*controls_);
    controls_->SetSettingsEnabled(false);
    Engine().ReadBtnClick();
    if (!Engine().Running()) {
        // Refused before it started (the port is closed), with its own message.
        compareKept_.reset();
        controls_->SetSettingsEnabled(true);
    }
}

void TMain_Form::CompareDeviceEnded() {
    PlainSettingsControls device;
    PutSettingsIntoControls(SettingsFromControls(*controls_), device);
    PutSettingsIntoControls(*compareKept_, *controls_);
    compareKept_.reset();
    controls_->SetSettingsEnabled(true);
    if (!Engine().Succeeded()) {
        return; // the failure has had its box and status
    }
    const SettingsComparison comparison = CompareSettings(device, *controls_);
    const std::string port = SerialLink1.CommPort();
    // Shown once the engine's handler has returned, not inside it.
    QTimer::singleShot(0, this, [this, comparison, port] {
        TSettingsComparisonForm form(
            comparison, tr("Compare with Device").toStdString(),
            {tr("Sender").toStdString(), tr("the sender on %1, as read now").arg(ui::FromUtf8(port)).toStdString()},
            {tr("Window").toStdString(), tr("the settings in the main window").toStdString()}, this);
        form.exec();
    });
}

void TMain_Form::SaveSetupSheet1Click() {
    const auto buildSheet = [this] {
        const SetupSheetPort port{SerialLink1.CommPort(),
                                  SerialLink1.Active(),
                                  SerialLink1.BaudRate(),
                                  SerialLink1.DataBits(),
                                  SerialLink1.ParityType(),
                                  SerialLink1.StopBits(),
                                  DescribePort(SerialLink1.CommPort()).Identity()};
        return BuildSetupSheet(*controls_, port, LocalTimeWithZone(std::time(nullptr), false), levelSource_,
                               FindAsFoundAsLeft(session_->Records(), port.name), {job_.label, job_.installer});
    };
    SaveSetupSheet(*controls_, *prompts_, *fileDialogs_, buildSheet, ui::SetupSheetPdf);
}

void TMain_Form::History1Click() {
    TJobHistoryForm form(
        ReadHistory(options_.historyFile), options_.historyFile.string(),
        [this](const RecordedSettings& settings) { PutSettingsIntoControls(settings, *controls_); },
        [this] { return SettingsFromControls(*controls_); }, this);
    form.exec();
}

// The production run borrows the port while its window is open and gives it back after;
// the window's settings are its default, and the controls keep them.
void TMain_Form::Production1Click() {
    if (Engine().Running()) {
        return;
    }
    {
        TProductionForm form(SerialLink1, *prompts_, *fileDialogs_, SettingsFromControls(*controls_),
                             options_.historyFile, job_.label, this);
        form.exec();
    }
    session_->TakeBackPort();
}

void TMain_Form::ShowModal(QDialog* form) {
    if (form != nullptr) {
        form->exec();
    }
}

void TMain_Form::Shape11Click() {
    ShowModal(shapeForm_);
}

void TMain_Form::VolumeClick() {
    ShowModal(volumeForm_);
}

void TMain_Form::Height1Click() {
    ShowModal(heightForm_);
}

void TMain_Form::MeasuredTable1Click() {
    ShowModal(measuredTableForm_);
}

void TMain_Form::About1Click() {
    ShowModal(aboutForm_);
}

void TMain_Form::BatteryTestClick() {
    if (SerialLink1.Active()) {
        ShowModal(batteryTestForm_);
    } else {
        prompts_->ShowWarning(tr("Please select COM port first!").toStdString());
    }
}

void TMain_Form::FirmwareUpdateClick() {
    if (prompts_->AskWarning(tr("Failed update could result the device un-usable. Continue?").toStdString()) ==
        ConfirmAnswer::Yes) {
        session_->Close(kClosedForUpdate);
    }
}

std::string TMain_Form::StoredLanguage(const PortSettingsStore& store) {
    return LanguageSetting(store.Medium(), kSettingsKey).Read();
}

void TMain_Form::LanguageClick(const std::string& code) {
    if (!LanguageSetting(options_.store.Medium(), kSettingsKey).Write(code)) {
        prompts_->ShowWarning(tr("The language could not be saved.").toStdString());
        return;
    }
    // Told in the language chosen, which the windows speak from the next start on.
    const QString language = ui::WindowLanguageFor(QString::fromStdString(code), QLocale::system().uiLanguages());
    prompts_->ShowNotice(ui::Translations::TranslateFor(language, options_.translationsFolder, "zeft::TMain_Form",
                                                        QT_TR_NOOP("The language changes when ZEFT Programmer is "
                                                                   "started again.")));
}

void TMain_Form::Help2Click() {
    QUrl page;
#ifdef _WIN32
    if (QFileInfo::exists(QStringLiteral("zeft.chm"))) {
        page = QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("zeft.chm")));
    }
#endif
    if (page.isEmpty()) {
        const auto index = DataLocations::ForThisProgram().File("help", "index.html");
        page = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(index.string())).absoluteFilePath());
    }
    // As with the shell's "open": what the opener does with a missing page is its business.
    if (options_.openUrl) {
        options_.openUrl(page);
    } else {
        QDesktopServices::openUrl(page);
    }
}

} // namespace zeft
