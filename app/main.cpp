#include "app/Help.h"
#include "calc/NonLinearizationForm.h"
#include "calc/NonLinearization_HeightForm.h"
#include "calc/NonLinearization_VolumeForm.h"
#include "main/DataLocations.h"
#include "main/Main_Form.h"
#include "main/TestBattery_f.h"
#include "serial/HandOverQueue.h"
#include "serial/SerialLinkDlg.h"
#include "serial/VirtualSerialDevice.h"
#include "ui/ProgramIcon.h"
#include "ui/QtHandOverWaker.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Kept for the record as the application's help file; the Help menu opens the HTML
    // guide instead.
    application.setProperty(
        "HelpFile", QString::fromStdString(zeft::DataLocations::ForThisProgram().File("help", "ZEF.HLP").string()));
    QApplication::setApplicationName(QStringLiteral("ZEFT"));
    QApplication::setWindowIcon(zeft::ui::ProgramIcon());

    // The serial worker hands its events to this thread through the event loop.
    zeft::ui::QtHandOverWaker waker(zeft::HandOverQueue::MainThread());
    // The virtual sender is a port like any other, so that the program can be tried
    // without hardware.
    zeft::RegisterVirtualSenderPort();

    // The windows in their fixed order. Creating the main window runs its port dialog
    // before any window shows.
    auto mainForm = std::make_unique<zeft::TMain_Form>();
    zeft::Main_Form = mainForm.get();
    zeft::app::TAboutForm aboutForm;
    zeft::TSerialLinkDLG serialLinkDlg(&mainForm->SerialLink1);
    zeft::calc_ui::TNonLinearizationForm nonLinearizationForm(mainForm->Controls(), mainForm->MessageBoxes());
    zeft::TBatteryTestForm batteryTestForm(mainForm->Link(), mainForm.get());
    zeft::calc_ui::TNonLinearVolumeForm nonLinearVolumeForm(mainForm->Controls(), mainForm->MessageBoxes());
    zeft::calc_ui::TNonLinearHeightForm nonLinearHeightForm(mainForm->Controls(), mainForm->MessageBoxes());

    mainForm->SetAboutForm(&aboutForm);
    mainForm->SetBatteryTestForm(&batteryTestForm);
    mainForm->SetCalculatorForms(&nonLinearizationForm, &nonLinearVolumeForm, &nonLinearHeightForm);
    mainForm->show();
    return application.exec();
}
