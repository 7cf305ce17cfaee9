#include "app/ApplicationWindows.h"

#include "app/Help.h"
#include "calc/MeasuredTableForm.h"
#include "calc/NonLinearizationForm.h"
#include "calc/NonLinearization_HeightForm.h"
#include "calc/NonLinearization_VolumeForm.h"
#include "main/TestBattery_f.h"
#include "serial/SerialLinkDlg.h"

namespace zeft::app {

namespace {

template <typename Window>
std::unique_ptr<Window> Tell(std::unique_ptr<Window> window, const std::function<void(QWidget&)>& created) {
    if (created) {
        created(*window);
    }
    return window;
}

} // namespace

ApplicationWindows::ApplicationWindows(TMain_Form::Options mainOptions,
                                       const std::function<void(QWidget& window)>& created) {
    mainForm_ = Tell(std::make_unique<TMain_Form>(std::move(mainOptions)), created);
    Main_Form = mainForm_.get();
    aboutForm_ = Tell(std::make_unique<TAboutForm>(), created);
    serialLinkDlg_ = Tell(std::make_unique<TSerialLinkDLG>(&mainForm_->SerialLink1), created);
    nonLinearizationForm_ = Tell(
        std::make_unique<calc_ui::TNonLinearizationForm>(mainForm_->Controls(), mainForm_->MessageBoxes()), created);
    batteryTestForm_ = Tell(std::make_unique<TBatteryTestForm>(mainForm_->Link(), mainForm_.get()), created);
    nonLinearVolumeForm_ = Tell(
        std::make_unique<calc_ui::TNonLinearVolumeForm>(mainForm_->Controls(), mainForm_->MessageBoxes()), created);
    nonLinearHeightForm_ = Tell(
        std::make_unique<calc_ui::TNonLinearHeightForm>(mainForm_->Controls(), mainForm_->MessageBoxes()), created);

    measuredTableForm_ =
        Tell(std::make_unique<calc_ui::TMeasuredTableForm>(mainForm_->Controls(), mainForm_->MessageBoxes()), created);

    mainForm_->SetAboutForm(aboutForm_.get());
    mainForm_->SetBatteryTestForm(batteryTestForm_.get());
    mainForm_->SetCalculatorForms(nonLinearizationForm_.get(), nonLinearVolumeForm_.get(), nonLinearHeightForm_.get());
    mainForm_->SetMeasuredTableForm(measuredTableForm_.get());
    // The setup sheet tells which calculator the levels came from.
    const auto noteSource = [main = mainForm_.get()](const LevelSource& source) { main->NoteLevelSource(source); };
    nonLinearizationForm_->OnLevelSetHandedOver = noteSource;
    nonLinearVolumeForm_->OnLevelSetHandedOver = noteSource;
    nonLinearHeightForm_->OnLevelSetHandedOver = noteSource;
    measuredTableForm_->OnLevelSetHandedOver = noteSource;
}

ApplicationWindows::~ApplicationWindows() {
    // The others refer to the main window; it goes last.
    measuredTableForm_.reset();
    nonLinearHeightForm_.reset();
    nonLinearVolumeForm_.reset();
    batteryTestForm_.reset();
    nonLinearizationForm_.reset();
    serialLinkDlg_.reset();
    aboutForm_.reset();
    mainForm_.reset();
}

} // namespace zeft::app
