#include "main/Main_Form.h"

#include "main/SenderSettings.h"
#include "ui/DesignScale.h"
#include "ui/Translations.h"
#include "ui/WidgetFactory.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <iterator>
#include <utility>

// The main window's controls, menus and their places: the window as it was designed.
namespace zeft {
namespace {

using ui::MakeButton;
using ui::MakeEdit;
using ui::MakeLabel;
using ui::MakeList;
using ui::Named;

} // namespace

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

} // namespace zeft
