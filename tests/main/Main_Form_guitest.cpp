#include "main/Main_Form.h"

#include "main/ExchangeEngine.h"
#include "seams/SettingsControls.h"
#include "serial/SerialLink.h"
#include "serial/settings/SettingsFileMedium.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TabOrder.h"
#include "tests/support/TempFolder.h"
#include "ui/QtFileDialogs.h"
#include "ui/ReplyDisplayText.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace zeft {
namespace {

using testing::TempFolder;

const std::string kSender(kVirtualSenderPortName);
const std::string kSilentSender = kSender + " (silent)";
const std::string kMissingPort = "/dev/zeft-test-no-such-port";

// The answer to the start-up dialog: OK with a port (and line settings the program itself
// leaves alone), or Cancel.
std::function<int(TSerialLinkDLG&)> Choose(const std::string& port, int parity = 0, int stop = 0) {
    return [=](TSerialLinkDLG& dialog) {
        dialog.CBPort->setCurrentIndex(dialog.CBPort->findText(QString::fromStdString(port)));
        dialog.CBParity->setCurrentIndex(parity);
        dialog.CBStop->setCurrentIndex(stop);
        return int(QDialog::Accepted);
    };
}

int Cancel(TSerialLinkDLG&) {
    return QDialog::Rejected;
}

class MainFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterVirtualSenderPort();
        RegisterVirtualSenderPort(kSilentSender);
    }

    std::unique_ptr<TMain_Form> Make(std::function<int(TSerialLinkDLG&)> answer) {
        TMain_Form::Options options;
        options.store =
            PortSettingsStore([file = folder_ / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
        options.enumeratePorts = [](std::vector<std::string>& ports) {
            ports.insert(ports.end(), {kSender, kSilentSender, kMissingPort});
        };
        options.runPortDialog = std::move(answer);
        options.openUrl = [this](const QUrl& url) { opened_.push_back(url); };
        return std::make_unique<TMain_Form>(std::move(options));
    }

    static bool WaitIdle(TMain_Form& form, int milliseconds = 10000) {
        return QTest::qWaitFor([&] { return !form.Engine().Running(); }, milliseconds);
    }

    static std::vector<bool> Enabled(std::initializer_list<QWidget*> widgets) {
        std::vector<bool> states;
        for (QWidget* widget : widgets) {
            states.push_back(widget->isEnabled());
        }
        return states;
    }

    TempFolder folder_;
    // Unscripted questions are answered Yes.
    testing::MessageBoxRecorder boxes_{testing::MessageBoxRecorder::Unscripted::YesWhenOffered};
    std::vector<QUrl> opened_;
};

TEST_F(MainFormTest, ControlsAsDesigned) {
    auto form = Make(Cancel);
    EXPECT_EQ(form->windowTitle(), "ZEFT Programmer");
    EXPECT_EQ(form->GroupBox1->title(), "Sensor Parameters");
    EXPECT_EQ(form->GroupBox2->title(), "Tank Linearization Parameters");
    EXPECT_EQ(form->ComboBoxVoltage->currentText(), "Voltage 0 - 5V");
    EXPECT_EQ(form->ComboBoxVoltage->count(), 4);
    EXPECT_EQ(form->ComboBoxFluid->itemText(3), "Waste");
    const std::tuple<QLineEdit*, const char*, const char*> edits[] = {
        {form->EditTopLimit, "10", "Set Top Limit: 10 to 1000"},
        {form->EditBottomLimit, "2000", "Set Bottom Limit: 100 to 2000"},
        {form->EditLinearA, "20", "Set Level A: 0 to 100"},
        {form->EditLinearB, "40", "Set Level B: 0 to 100"},
        {form->EditLinearC, "60", "Set Level C: 0 to 100"},
        {form->EditLinearD, "80", "Set Level D: 0 to 100"},
    };
    for (const auto& [edit, text, hint] : edits) {
        EXPECT_EQ(edit->text(), text);
        EXPECT_EQ(edit->toolTip(), hint);
    }
    EXPECT_TRUE(form->ComboBoxVoltage->toolTip().isEmpty());
    EXPECT_EQ(form->Label8->text(), "Set Level D = 80% of Tank Level");
    EXPECT_EQ(form->Label11->text(), "1 inch = 25.4 millimetre");
    EXPECT_EQ(form->Label10->text(), "Current Settings:");
    EXPECT_TRUE(form->Label9->text().isEmpty());
    EXPECT_EQ(form->Setbtn->text(), "Program Device");
    EXPECT_EQ(form->ResetBtn->text(), "Restore Default");

    // Tab order: first group, second group, then the four buttons.
    EXPECT_EQ(testing::TabOrder(*form, form->ComboBoxVoltage),
              (std::vector<std::string>{"ComboBoxVoltage", "ComboBoxFluid", "EditTopLimit", "EditBottomLimit",
                                        "EditLinearA", "EditLinearB", "EditLinearC", "EditLinearD", "ReadBtn", "Setbtn",
                                        "ResetBtn", "ExitBtn"}));

    // A screen reader announces each list and edit by its own caption.
    const std::pair<QWidget*, const char*> named[] = {{form->ComboBoxVoltage, "Output Type"},
                                                      {form->ComboBoxFluid, "Fluid Type"},
                                                      {form->EditTopLimit, "Set Top Limit (Millimetre)"},
                                                      {form->EditBottomLimit, "Set Bottom Limit (Millimetre)"},
                                                      {form->EditLinearA, "Set Level A = 20% of Tank Level"},
                                                      {form->EditLinearB, "Set Level B = 40% of Tank Level"},
                                                      {form->EditLinearC, "Set Level C = 60% of Tank Level"},
                                                      {form->EditLinearD, "Set Level D = 80% of Tank Level"}};
    for (const auto& [control, caption] : named) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        // Tied to its caption's label; edits also take the caption as their name (lists
        // are named by their value on some platforms, and by the label relation).
        std::vector<std::string> labels;
        for (const auto& [other, relation] : accessible->relations(QAccessible::Label)) {
            labels.push_back(other->text(QAccessible::Name).toStdString());
        }
        // The group box around it follows as a label of its own.
        ASSERT_FALSE(labels.empty()) << control->objectName().toStdString();
        EXPECT_EQ(labels.front(), caption) << control->objectName().toStdString();
        if (qobject_cast<QLineEdit*>(control) != nullptr) {
            EXPECT_EQ(accessible->text(QAccessible::Name), caption) << control->objectName().toStdString();
        }
    }

    // Menus in order, the firmware item hidden.
    const std::vector<std::pair<QAction*, const char*>> items = {{form->Open1, "&Load..."},
                                                                 {form->Close1, "Save &As..."},
                                                                 {form->CompareFile1, "Compare with File..."},
                                                                 {form->CompareDevice1, "Compare with Device"},
                                                                 {form->SaveSetupSheet1, "Save Setup Sheet..."},
                                                                 {form->History1, "History..."},
                                                                 {form->Close2, "E&xit"},
                                                                 {form->Setting1, "&Settings..."},
                                                                 {form->Shape11, "Shape..."},
                                                                 {form->Volume, "Volume..."},
                                                                 {form->Height1, "Height..."},
                                                                 {form->MeasuredTable1, "Measured Table..."},
                                                                 {form->Help2, "Help"},
                                                                 {form->About1, "About..."},
                                                                 {form->FirmwareUpdate, "Firmware Update..."},
                                                                 {form->BatteryTest, "Battery Test..."}};
    for (const auto& [action, text] : items) {
        EXPECT_EQ(action->text(), text);
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_FALSE(form->FirmwareUpdate->isVisible());
    EXPECT_EQ(form->File1->title(), "&File");
    EXPECT_EQ(form->ComPort1->title(), "Com &Port");
    EXPECT_EQ(form->NonLinearization1->title(), "Non-&Linearization");
    EXPECT_EQ(form->Help1->title(), "&Help");

    // Nothing cut: every label fits inside its parent.
    for (QLabel* label : form->centralWidget()->findChildren<QLabel*>()) {
        if (label == form->Label9 || label->text().isEmpty()) {
            continue;
        }
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), label->parentWidget()->width()) << label->objectName().toStdString();
    }
    for (QPushButton* button : {form->ReadBtn, form->Setbtn, form->ResetBtn, form->ExitBtn}) {
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    }
}

TEST_F(MainFormTest, StartUpCancelledLeavesThePortClosed) {
    auto form = Make(Cancel);
    EXPECT_FALSE(form->SerialLink1.Active());
    EXPECT_EQ(form->StatusPanelText(0), "Please select COM port!");
    EXPECT_EQ(form->StatusPanelText(1), "");
    EXPECT_TRUE(boxes_.shown.empty());

    QTest::mouseClick(form->ReadBtn, Qt::LeftButton);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "Cannot Open COM port!");
    EXPECT_EQ(boxes_.shown[0].caption, "Warning");
    EXPECT_EQ(boxes_.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes_.shown[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(Enabled({form->ReadBtn, form->Setbtn, form->ResetBtn}), (std::vector<bool>{true, true, true}));

    form->BatteryTest->trigger();
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[1].text, "Please select COM port first!");
    EXPECT_EQ(boxes_.shown[1].caption, "Warning");
}

TEST_F(MainFormTest, StartUpConfirmedShowsThePortInTheSecondPanel) {
    struct Case {
        int parity;
        int stop;
        const char* line;
    };
    for (const Case& c : {Case{0, 0, "8N1"}, Case{2, 2, "8E2"}, Case{0, 1, "8N1.5"}, Case{1, 0, "8O1"},
                          Case{3, 0, "8M1"}, Case{4, 2, "8S2"}}) {
        auto form = Make(Choose(kSender, c.parity, c.stop));
        EXPECT_TRUE(form->SerialLink1.Active());
        EXPECT_FALSE(form->SerialLink1.RTSState()) << "the sender stays unpowered";
        EXPECT_EQ(form->StatusPanelText(0), "");
        EXPECT_EQ(form->StatusPanelText(1), kSender + ", 9600, " + c.line);
        // The port text is not cut: the first panel gives up room for it.
        form->show();
        const auto* panel = form->findChild<QLabel*>("StatusPanel1");
        ASSERT_NE(panel, nullptr);
        EXPECT_GE(panel->width(), QFontMetrics(panel->font()).horizontalAdvance(panel->text()));
    }
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MainFormTest, APortThatDoesNotOpenSaysWhy) {
    auto form = Make(Choose(kMissingPort));
    EXPECT_FALSE(form->SerialLink1.Active());
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "Cannot Open COM port!");
    EXPECT_EQ(boxes_.shown[0].caption, "Warning");
    EXPECT_FALSE(boxes_.shown[0].detail.empty());
    EXPECT_TRUE(boxes_.shown[0].detail.ends_with(". See Com Port > Diagnose...")) << boxes_.shown[0].detail;
    EXPECT_EQ(form->StatusPanelText(0), "Please select COM port!");
    EXPECT_EQ(form->StatusPanelText(1), "");
}

// The reason under "Cannot Open COM port!" is that of the port's present state: a failed
// open's system reason does not outlive the next Settings... answer.
TEST_F(MainFormTest, TheReasonUnderCannotOpenIsTheCurrentOne) {
    std::function<int(TSerialLinkDLG&)> answer = Choose(kMissingPort);
    auto form = Make([&](TSerialLinkDLG& dialog) { return answer(dialog); });
    ASSERT_EQ(boxes_.shown.size(), 1u);
    const std::string openFailure = boxes_.shown[0].detail;
    ASSERT_FALSE(openFailure.empty());
    auto readDetail = [&] {
        boxes_.shown.clear();
        QTest::mouseClick(form->ReadBtn, Qt::LeftButton);
        EXPECT_EQ(boxes_.Texts(), std::vector<std::string>{"Cannot Open COM port!"});
        return boxes_.shown.empty() ? std::string() : boxes_.shown[0].detail;
    };
    EXPECT_EQ(readDetail(), openFailure);

    answer = Cancel;
    form->Setting1->trigger();
    const std::string cancelled = readDetail();
    EXPECT_NE(cancelled, openFailure);
    EXPECT_FALSE(cancelled.empty());

    // OK with no port selected: nothing is opened, the warning says so at once and later.
    boxes_.shown.clear();
    answer = Choose("no port in the list");
    form->Setting1->trigger();
    EXPECT_FALSE(form->SerialLink1.Active());
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "Cannot Open COM port!");
    EXPECT_EQ(boxes_.shown[0].detail, "No serial port was selected.");
    EXPECT_EQ(form->StatusPanelText(0), "Please select COM port!");
    EXPECT_EQ(form->StatusPanelText(1), "");
    EXPECT_EQ(readDetail(), "No serial port was selected.");

    answer = Choose(kSender);
    form->Setting1->trigger();
    EXPECT_TRUE(form->SerialLink1.Active());
    boxes_.answers.push_back(QMessageBox::Yes);
    form->FirmwareUpdate->trigger();
    const std::string closedForUpdate = readDetail();
    EXPECT_FALSE(closedForUpdate.empty());
    EXPECT_NE(closedForUpdate, "No serial port was selected.");
}

TEST_F(MainFormTest, ThePortIsRememberedAndSettingsCancelClosesIt) {
    {
        auto first = Make(Choose(kSender));
        EXPECT_TRUE(first->SerialLink1.Active());
    }
    std::string offered;
    auto second = Make([&](TSerialLinkDLG& dialog) {
        offered = dialog.CBPort->currentText().toStdString();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(offered, kSender);
    EXPECT_TRUE(second->SerialLink1.Active());

    // "Com Port" / "Settings..." again, cancelled: the open port is closed.
    second->Setting1->trigger();
    EXPECT_TRUE(second->SerialLink1.Active()) << "the same answer again";
    second.reset();
    std::function<int(TSerialLinkDLG&)> answer = Choose(kSender);
    auto third = Make([&](TSerialLinkDLG& dialog) { return answer(dialog); });
    ASSERT_TRUE(third->SerialLink1.Active());
    answer = Cancel;
    third->Setting1->trigger();
    EXPECT_FALSE(third->SerialLink1.Active());
    EXPECT_EQ(third->StatusPanelText(0), "Please select COM port!");
    EXPECT_EQ(third->StatusPanelText(1), "");
}

TEST_F(MainFormTest, ReadDeviceWithTheVirtualSender) {
    auto form = Make(Choose(kSender));
    form->ComboBoxVoltage->setCurrentIndex(2);
    QTest::mouseClick(form->ReadBtn, Qt::LeftButton);
    EXPECT_TRUE(form->Engine().Running());
    EXPECT_EQ(form->ReadBtn->property("Tag").toInt(), 1);
    EXPECT_EQ(Enabled({form->ReadBtn, form->Setbtn, form->ResetBtn, form->ExitBtn}),
              (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(form->EditTopLimit->isEnabled()) << "Read Device leaves the edits enabled";
    // While it runs, the commands that would disturb it are off; the rest stay on.
    for (QAction* action : {form->Setting1, form->BatteryTest, form->Open1, form->CompareFile1, form->CompareDevice1,
                            form->History1, form->Shape11, form->Volume, form->Height1, form->MeasuredTable1}) {
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    }
    for (QAction* action : {form->Close1, form->Close2, form->About1, form->Help2}) {
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    }

    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->StatusPanelText(0), "Device read successfully!");
    EXPECT_TRUE(form->Label9->text().startsWith("KOV\n")) << form->Label9->text().toStdString();
    EXPECT_EQ(Enabled({form->ReadBtn, form->Setbtn, form->ResetBtn}), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(form->Setting1->isEnabled());
    EXPECT_FALSE(form->SerialLink1.RTSState());
    EXPECT_EQ(form->ReadBtn->property("Tag").toInt(), 0);
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.Texts().front();
}

TEST_F(MainFormTest, ProgramThenReadBackThenRestore) {
    auto form = Make(Choose(kSender));
    form->ComboBoxVoltage->setCurrentIndex(3);
    form->ComboBoxFluid->setCurrentIndex(2);
    form->EditBottomLimit->setText("1500");
    form->EditLinearA->setText("10");
    form->EditLinearB->setText("30");
    form->EditLinearC->setText("55");
    form->EditLinearD->setText("90");
    QTest::mouseClick(form->Setbtn, Qt::LeftButton);
    EXPECT_EQ(Enabled({form->ComboBoxVoltage, form->ComboBoxFluid, form->EditTopLimit, form->EditLinearD}),
              (std::vector<bool>{false, false, false, false}));
    ASSERT_TRUE(WaitIdle(*form, 20000));
    EXPECT_EQ(form->StatusPanelText(0), "Device programmed successfully!");
    EXPECT_EQ(Enabled({form->ComboBoxVoltage, form->ComboBoxFluid, form->EditTopLimit, form->EditLinearD}),
              (std::vector<bool>{true, true, true, true}));

    // Forget locally, then read what the sender holds.
    form->ComboBoxVoltage->setCurrentIndex(0);
    form->ComboBoxFluid->setCurrentIndex(0);
    form->EditBottomLimit->setText("2000");
    form->EditLinearC->setText("60");
    QTest::mouseClick(form->ReadBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->StatusPanelText(0), "Device read successfully!");
    EXPECT_EQ(form->ComboBoxVoltage->currentIndex(), 3);
    EXPECT_EQ(form->ComboBoxFluid->currentIndex(), 2);
    EXPECT_EQ(form->EditBottomLimit->text(), "1500");
    EXPECT_EQ(form->EditLinearC->text(), "55");

    QTest::mouseClick(form->ResetBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->StatusPanelText(0), "Device restored successfully!");
    EXPECT_EQ(form->ComboBoxVoltage->currentIndex(), 0);
    EXPECT_EQ(form->EditBottomLimit->text(), "2000");
    EXPECT_EQ(form->EditLinearA->text(), "20");
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.Texts().front();

    // "Com Port" / "Settings..." starts the exchange afresh: no step counted, no reply shown.
    ASSERT_EQ(form->Engine().ProgramStep(), 8);
    ASSERT_FALSE(form->Label9->text().isEmpty());
    form->Setting1->trigger();
    EXPECT_EQ(form->Engine().ProgramStep(), 0);
    EXPECT_EQ(form->Label9->text().toStdString(), "");
}

TEST_F(MainFormTest, AValidationMessageThroughTheWindow) {
    auto form = Make(Choose(kSender));
    form->EditLinearB->setText("20");
    QTest::mouseClick(form->Setbtn, Qt::LeftButton);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "Level A cannot be equal or greater than Level B!");
    EXPECT_EQ(boxes_.shown[0].caption, "Error");
    EXPECT_EQ(boxes_.shown[0].icon, QMessageBox::Critical);
    EXPECT_FALSE(form->Engine().Running());
    EXPECT_FALSE(form->SerialLink1.RTSState());

    // A top limit other than 10 asks first; No clears the status and the reply display.
    form->EditLinearB->setText("40");
    form->EditTopLimit->setText("11");
    form->Controls().SetReplyText("KOV\rold listing");
    form->Controls().SetStatusText("Device read successfully!");
    boxes_.answers.push_back(QMessageBox::No);
    QTest::mouseClick(form->Setbtn, Qt::LeftButton);
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[1].caption, "Confirm");
    EXPECT_EQ(boxes_.shown[1].icon, QMessageBox::Question);
    EXPECT_EQ(boxes_.shown[1].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(boxes_.shown[1].text, "The top limit should be 10mm except where tank sender spacer is used. Are you "
                                    "sure to set it to 11mm?");
    EXPECT_FALSE(form->Engine().Running());
    EXPECT_EQ(form->Label9->text(), "");
    EXPECT_EQ(form->StatusPanelText(0), "");

    // Closed by its title-bar button, the box is not a No: the operation goes on.
    form->Controls().SetReplyText("KOV\rold listing");
    boxes_.answers.push_back(QMessageBox::NoButton);
    QTest::mouseClick(form->Setbtn, Qt::LeftButton);
    ASSERT_EQ(boxes_.shown.size(), 3u);
    EXPECT_EQ(boxes_.shown[2].caption, "Confirm");
    EXPECT_TRUE(form->Engine().Running());
    EXPECT_TRUE(form->SerialLink1.RTSState());
    ASSERT_TRUE(WaitIdle(*form, 20000));
    EXPECT_EQ(form->StatusPanelText(0), "Device programmed successfully!");
    EXPECT_EQ(form->EditTopLimit->text(), "11");
}

TEST_F(MainFormTest, ASilentSenderFailsToConnect) {
    auto form = Make(Choose(kSilentSender));
    QTest::mouseClick(form->ReadBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(boxes_.Texts(),
              std::vector<std::string>{"Fail to connect with the device! Check connection or battery!"});
    EXPECT_EQ(boxes_.shown[0].caption, "Error");
    EXPECT_EQ(form->StatusPanelText(0), "Fail to connect with the device!");
    EXPECT_FALSE(form->SerialLink1.RTSState());
    EXPECT_TRUE(form->ReadBtn->isEnabled());
}

TEST_F(MainFormTest, HiddenFirmwareUpdateClosesThePortOnYesOnly) {
    auto form = Make(Choose(kSender));
    const std::string shown = form->StatusPanelText(1);
    boxes_.answers.push_back(QMessageBox::No);
    form->FirmwareUpdate->trigger();
    EXPECT_TRUE(form->SerialLink1.Active());
    form->FirmwareUpdate->trigger();
    EXPECT_FALSE(form->SerialLink1.Active());
    EXPECT_EQ(form->StatusPanelText(1), shown) << "the status bar is not changed";
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[0].text, "Failed update could result the device un-usable. Continue?");
    EXPECT_EQ(boxes_.shown[0].caption, "Warning");
    EXPECT_EQ(boxes_.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes_.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(MainFormTest, HelpOpensTheUserGuide) {
    auto form = Make(Cancel);
    form->Help2->trigger();
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_TRUE(opened_[0].isLocalFile());
    EXPECT_TRUE(opened_[0].toLocalFile().endsWith("help/index.html")) << opened_[0].toString().toStdString();
}

TEST_F(MainFormTest, MenusShowTheirWindowsModally) {
    auto form = Make(Choose(kSender));
    QDialog about;
    QDialog battery;
    QDialog shape;
    QDialog volume;
    QDialog height;
    QDialog measuredTable;
    form->SetAboutForm(&about);
    form->SetBatteryTestForm(&battery);
    form->SetCalculatorForms(&shape, &volume, &height);
    form->SetMeasuredTableForm(&measuredTable);
    const std::pair<QAction*, QDialog*> items[] = {{form->About1, &about},   {form->BatteryTest, &battery},
                                                   {form->Shape11, &shape},  {form->Volume, &volume},
                                                   {form->Height1, &height}, {form->MeasuredTable1, &measuredTable}};
    for (const auto& [action, dialog] : items) {
        bool wasModal = false;
        QTimer::singleShot(0, dialog, [dialog = dialog, &wasModal] {
            wasModal = dialog->isVisible() && dialog->isModal();
            dialog->accept();
        });
        action->trigger();
        EXPECT_TRUE(wasModal) << action->objectName().toStdString();
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_TRUE(boxes_.shown.empty());

    // Exit and E&xit close the window without asking.
    form->show();
    QTest::mouseClick(form->ExitBtn, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    form->show();
    form->Close2->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MainFormTest, SaveAsAndLoadMoveTheSettingsThroughAFile) {
    auto form = Make(Cancel);
    const std::string file = (folder_ / "tank.zcf").string();
    std::vector<std::string> filters;
    ui::QtFileDialogs::SetDialogHandlerForTests([&](QFileDialog& dialog) -> std::optional<std::string> {
        for (const QString& filter : dialog.nameFilters()) {
            filters.push_back(filter.toStdString());
        }
        return file;
    });
    form->ComboBoxFluid->setCurrentIndex(3);
    form->EditLinearA->setText("5");
    form->Close1->trigger();
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(filters.front(), "ZEFT Config Files (*.zcf)");

    form->ComboBoxFluid->setCurrentIndex(0);
    form->EditLinearA->setText("20");
    form->Open1->trigger();
    ui::QtFileDialogs::SetDialogHandlerForTests({});
    EXPECT_EQ(form->ComboBoxFluid->currentIndex(), 3);
    EXPECT_EQ(form->EditLinearA->text(), "5");
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.Texts().front();
}

TEST_F(MainFormTest, SaveSetupSheetWritesAPdfOfTheSettings) {
    auto form = Make(Cancel);
    EXPECT_EQ(form->File1->actions(),
              (QList<QAction*>{form->Open1, form->Close1, form->CompareFile1, form->CompareDevice1,
                               form->SaveSetupSheet1, form->History1, form->Job1, form->Production1, form->Close2}));
    std::vector<std::string> filters;
    ui::QtFileDialogs::SetDialogHandlerForTests([&](QFileDialog& dialog) -> std::optional<std::string> {
        for (const QString& filter : dialog.nameFilters()) {
            filters.push_back(filter.toStdString());
        }
        return (folder_ / "customer").string();
    });
    LevelSource source;
    source.calculator = LevelCalculator::Volume;
    source.levels = {"20", "40", "60", "80"};
    form->NoteLevelSource(source);
    form->SaveSetupSheet1->trigger();
    ui::QtFileDialogs::SetDialogHandlerForTests({});
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.Texts().front();
    ASSERT_FALSE(filters.empty());
    EXPECT_EQ(filters.front(), "PDF Files (*.pdf)");
    const std::string pdf = TempFolder::Read(folder_ / "customer.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
}

// Values are kept as received: every byte, valid UTF-8 or not, comes back out of an edit
// as it went in, so that a program step sends it unchanged.
TEST_F(MainFormTest, EditsAndReplyKeepTheBytesAsReceived) {
    auto form = Make(Cancel);
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::string values[] = {bytes, "1" + bytes.substr(0x69, 1) + "0", "\xC3\xA9", "\xEF\xBF\xBD"};
    SettingsControls& controls = form->Controls();
    for (const std::string& value : values) {
        controls.SetEditText(SettingsEdit::TopLimit, value);
        EXPECT_EQ(controls.EditText(SettingsEdit::TopLimit), value);
        EXPECT_EQ(form->EditTopLimit->text().size(), static_cast<qsizetype>(value.size()));
        controls.SetReplyText(value);
        EXPECT_EQ(controls.ReplyText(), value);
    }
}

// A long burst keeps every byte in the reply but lays out only what the panel can show:
// the lines that fit, each cut where the panel ends, and the label within reach of it.
TEST_F(MainFormTest, ALongReplyShowsWhatThePanelHolds) {
    auto form = Make(Cancel);
    SettingsControls& controls = form->Controls();
    controls.SetReplyText("KOV");
    std::string burst;
    for (int i = 0; i < 10 * 1024; ++i) {
        burst += i % 700 == 699 ? '\r' : static_cast<char>(0x21 + i % 90);
    }
    for (const char c : burst) {
        controls.AppendReplyText(std::string(1, c));
    }
    EXPECT_EQ(controls.ReplyText(), "KOV" + burst);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Label9->text().size() > 3; }, 5000));
    const QString shown = form->Label9->text();
    ui::ReplyDisplayText unlimited(std::numeric_limits<std::size_t>::max(), std::numeric_limits<std::size_t>::max());
    unlimited.Append("KOV" + burst);
    const std::string& whole = unlimited.Text();
    ASSERT_FALSE(shown.isEmpty());
    const QStringList lines = shown.split(QLatin1Char('\n'));
    const QFontMetrics metrics(form->Label9->font());
    EXPECT_LE(lines.size() - 1, form->Panel1->height() / metrics.lineSpacing() + 1);
    for (const QString& line : lines) {
        // Each shown line is the start of the same line of the whole reply, reaching past the panel.
        EXPECT_GE(metrics.horizontalAdvance(line), form->Panel1->width() - form->Label9->x() - metrics.maxWidth());
    }
    EXPECT_EQ(lines.front().toStdString(), whole.substr(0, static_cast<std::size_t>(lines.front().size())));
    // Cut near the panel's edge, not thousands of characters wide.
    EXPECT_LT(form->Label9->width(), 4 * form->Panel1->width());

    // A new reply starts afresh.
    controls.SetReplyText("KOV\rOutput Type = 0 ");
    EXPECT_EQ(form->Label9->text(), "KOV\nOutput Type = 0 ");
}

} // namespace
} // namespace zeft
