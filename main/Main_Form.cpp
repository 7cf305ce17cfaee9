#include "main/Main_Form.h"

#include "base/DataLocations.h"
#include "main/AsFoundAsLeft.h"
#include "main/ConfigFile.h"
#include "main/ConfigFileCommands.h"
#include "main/DeviceSession.h"
#include "main/ExchangeEngine.h"
#include "main/HistoryReader.h"
#include "main/JobForm.h"
#include "main/JobHistoryForm.h"
#include "main/LanguageSetting.h"
#include "main/LocalTime.h"
#include "main/ProductionForm.h"
#include "main/SaveFileName.h"
#include "main/SenderSettings.h"
#include "main/SettingsComparisonForm.h"
#include "main/SetupSheetCommands.h"
#include "main/SetupSheetPdf.h"
#include "seams/TextTranslation.h"
#include "serial/LineSettingNames.h"
#include "serial/PortDescription.h"
#include "serial/PortDoctorDlg.h"
#include "serial/SerialLink.h"
#include "ui/ProgramIcon.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtIntervalTimer.h"
#include "ui/QtOperationButtons.h"
#include "ui/QtPrompts.h"
#include "ui/QtSettingsControls.h"
#include "ui/Translations.h"
#include "ui/Utf8Text.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
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
const char kClosedForUpdate[] = ZEFT_TEXT("Core", "The serial port was closed for a firmware update.");

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
    SetJob(ReadJobSettings(options_.store.Medium(), kSettingsKey));

    if (options_.runStartup) {
        FormCreate();
    }
}

TMain_Form::~TMain_Form() {
    timer_->Stop();
    session_.reset();
    if (Main_Form == this) {
        Main_Form = nullptr;
    }
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
    const StoredPortSettings stored{options_.store, kSettingsKey, kSettingsSection};
    session_->ChoosePort(&stored, [this] {
        // A new dialog every time, owned by the application: the port list is built afresh.
        TSerialLinkDLG dialog(&SerialLink1, nullptr, options_.enumeratePorts);
        const int result = options_.runPortDialog ? options_.runPortDialog(dialog) : dialog.exec();
        if (result != QDialog::Accepted) {
            return PortChoice::Cancelled;
        }
        dialog.StoreToPort(SerialLink1);
        return dialog.PortSelected() ? PortChoice::Port : PortChoice::NoPort;
    });
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
    session_->StartReadAside([this](const RecordedSettings&) { ReadFirstEnded(); });
}

void TMain_Form::ReadFirstEnded() {
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

// Reads the sender into a comparison, with the window's settings kept aside meanwhile; the
// reply display and the status keep what the read showed, as after any read.
void TMain_Form::CompareDevice1Click() {
    session_->StartReadAside([this](const RecordedSettings& reported) { CompareDeviceEnded(reported); });
}

void TMain_Form::CompareDeviceEnded(const RecordedSettings& reported) {
    if (!Engine().Succeeded()) {
        return; // the failure has had its box and status
    }
    const SettingsComparison comparison = CompareSettings(reported, SettingsFromControls(*controls_));
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
