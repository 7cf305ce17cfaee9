#pragma once

#include "main/HistoryFile.h"
#include "main/JobSettings.h"
#include "main/RecordedSettings.h"
#include "seams/LevelSource.h"
#include "serial/SerialLinkDlg.h"
#include "serial/settings/PortSettingsStore.h"
#include "ui/Translations.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QUrl;

namespace zeft {

class DeviceSession;
class ExchangeEngine;
class Prompts;
class SenderLink;
class SettingsControls;
class TSerialLink;

namespace ui {
class QtFileDialogs;
class QtIntervalTimer;
class QtOperationButtons;
class QtPrompts;
class QtSettingsControls;
} // namespace ui

// The program's main window: the eight sender settings, the device operations with their
// reply display and status bar, and the menus that lead to files, calculators, the port
// settings, help, the About box and the battery test. Creating it runs the start-up port
// sequence (the Communication Settings dialog) before it is shown.
class TMain_Form : public QMainWindow {
    Q_OBJECT

public:
    struct Options;

private:
    // First, so that SerialLink1 below refers to a made component.
    std::unique_ptr<TSerialLink> serialLink_;

public:
    // What the window uses from outside; the defaults are the program's.
    struct Options {
        // Where the port settings are kept.
        PortSettingsStore store = PortSettingsStore();
        // How the ports present are found for the dialog (EnumCommPorts when empty).
        TSerialLinkDLG::PortEnumerator enumeratePorts;
        // Runs the Communication Settings dialog modally; returns its result (tests answer it).
        std::function<int(TSerialLinkDLG& dialog)> runPortDialog;
        // Opens a help page or web address (the desktop's opener when empty).
        std::function<void(const QUrl& url)> openUrl;
        // Runs the start-up port sequence while the window is created.
        bool runStartup = true;
        // Where the device operations are recorded.
        std::filesystem::path historyFile = HistoryFilePath();
        // Where the translations are, for the notice of Help > Language.
        QString translationsFolder = ui::TranslationsFolder();
    };

    explicit TMain_Form(QWidget* parent = nullptr);
    explicit TMain_Form(Options options, QWidget* parent = nullptr);
    ~TMain_Form() override;

    // The windows the menus show; created after this one at start-up, owned by the caller.
    void SetAboutForm(QDialog* form) { aboutForm_ = form; }
    void SetBatteryTestForm(QDialog* form) { batteryTestForm_ = form; }
    void SetCalculatorForms(QDialog* shape, QDialog* volume, QDialog* height);
    // The measured-table calculator, beyond the three.
    void SetMeasuredTableForm(QDialog* measuredTable);

    // What the other windows work on: the settings controls, the message boxes and the
    // serial component as far as RTS goes.
    SettingsControls& Controls();
    Prompts& MessageBoxes();
    SenderLink& Link();

    // The job label, installer and read-first option, as File > Job... keeps them.
    const JobSettings& Job() const { return job_; }
    void SetJob(const JobSettings& job);
    // At the program's start: asks for the installer's name once, when none was ever asked for.
    void AskInstallerOnce();

    // A calculator handed its level set over; the setup sheet tells where the levels came from.
    void NoteLevelSource(const LevelSource& source) { levelSource_ = source; }

    // Handlers, named after their controls.
    void FormCreate();
    void ReadBtnClick();
    void SetBtn1Click();
    void RestBtnClick();
    void ExitBtnClick();
    void Job1Click();
    void Open1Click();
    void Close1Click();
    void CompareFile1Click();
    void CompareDevice1Click();
    void SaveSetupSheet1Click();
    void History1Click();
    void Production1Click();
    void Close2Click();
    void Diagnose1Click();
    void Shape11Click();
    void VolumeClick();
    void Height1Click();
    void MeasuredTable1Click();
    void Help2Click();
    void About1Click();
    void FirmwareUpdateClick();
    void BatteryTestClick();
    // Help > Language: the code chosen, empty for the system's language.
    void LanguageClick(const std::string& code);

    // The window language chosen in Help > Language, as kept in the store (empty: the system's).
    static std::string StoredLanguage(const PortSettingsStore& store);

    // The two status bar panels as shown.
    std::string StatusPanelText(int panel) const;

    TSerialLink& SerialLink1;
    ExchangeEngine& Engine();

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QComboBox* ComboBoxVoltage;
    QLabel* Label2;
    QComboBox* ComboBoxFluid;
    QLabel* Label3;
    QLineEdit* EditTopLimit;
    QLabel* Label4;
    QLineEdit* EditBottomLimit;
    QLabel* Label11;
    QGroupBox* GroupBox2;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLineEdit* EditLinearA;
    QLineEdit* EditLinearB;
    QLineEdit* EditLinearC;
    QLineEdit* EditLinearD;
    QLabel* Label10;
    QFrame* Panel1;
    QLabel* Label9;
    QPushButton* ReadBtn;
    QPushButton* Setbtn;
    QPushButton* ResetBtn;
    QPushButton* ExitBtn;

    QMenu* File1;
    QAction* Job1;
    QAction* Open1;
    QAction* Close1;
    QAction* CompareFile1;
    QAction* CompareDevice1;
    QAction* SaveSetupSheet1;
    QAction* History1;
    QAction* Production1;
    QAction* Close2;
    QMenu* ComPort1;
    QAction* Setting1;
    QAction* Diagnose1;
    QMenu* NonLinearization1;
    QAction* Shape11;
    QAction* Volume;
    QAction* Height1;
    QAction* MeasuredTable1;
    QMenu* Help1;
    QAction* Help2;
    QAction* About1;
    QAction* FirmwareUpdate;
    QAction* BatteryTest;
    QMenu* Language1;

private:
    void CreateControls();
    void CreateMenus();
    void LayOut();
    void SetStatusPanel(int panel, const std::string& text);
    // Commands that would disturb a running operation are off while it runs.
    void UpdateCommands();
    void ShowModal(QDialog* form);
    // The end of Compare with Device's read: the comparison with what the sender reported.
    void CompareDeviceEnded(const RecordedSettings& reported);
    // The end of the read before a program: when the read succeeded, the program starts.
    void ReadFirstEnded();

    Options options_;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    int firstPanelWidth_ = 300;
    std::unique_ptr<ui::QtPrompts> prompts_;
    std::unique_ptr<ui::QtFileDialogs> fileDialogs_;
    std::unique_ptr<ui::QtIntervalTimer> timer_;
    std::unique_ptr<ui::QtSettingsControls> controls_;
    std::unique_ptr<ui::QtOperationButtons> buttons_;
    std::unique_ptr<DeviceSession> session_;

    QDialog* aboutForm_ = nullptr;
    QDialog* batteryTestForm_ = nullptr;
    QDialog* shapeForm_ = nullptr;
    QDialog* volumeForm_ = nullptr;
    QDialog* heightForm_ = nullptr;
    QDialog* measuredTableForm_ = nullptr;
    std::optional<LevelSource> levelSource_;
    JobSettings job_;
};

// The program's main window, created first at start-up.
extern TMain_Form* Main_Form;

} // namespace zeft
