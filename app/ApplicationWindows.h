#pragma once

#include "main/Main_Form.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace zeft {
class TBatteryTestForm;
class TSerialLinkDLG;
namespace calc_ui {
class TNonLinearizationForm;
class TNonLinearVolumeForm;
class TNonLinearHeightForm;
class TMeasuredTableForm;
} // namespace calc_ui
namespace app {

class TAboutForm;

// The program's seven windows, one of each, created in their fixed order: main window,
// About box, Communication Settings, shape calculator, battery test, volume calculator,
// height calculator. Creating the main window runs its port dialog, so that dialog shows
// before any of them. The main window is Main_Form while they live; the others are
// handed to it for its menus.
class ApplicationWindows {
public:
    // created: told of each window as soon as it exists (tests follow the order with it).
    explicit ApplicationWindows(TMain_Form::Options mainOptions = {},
                                const std::function<void(QWidget& window)>& created = {});
    ~ApplicationWindows();
    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    TMain_Form& MainForm() { return *mainForm_; }

private:
    std::unique_ptr<TMain_Form> mainForm_;
    std::unique_ptr<TAboutForm> aboutForm_;
    // Created with the others but never shown: the main window makes its own each time.
    std::unique_ptr<TSerialLinkDLG> serialLinkDlg_;
    std::unique_ptr<calc_ui::TNonLinearizationForm> nonLinearizationForm_;
    std::unique_ptr<TBatteryTestForm> batteryTestForm_;
    std::unique_ptr<calc_ui::TNonLinearVolumeForm> nonLinearVolumeForm_;
    std::unique_ptr<calc_ui::TNonLinearHeightForm> nonLinearHeightForm_;
    // Beyond the original seven, made after them.
    std::unique_ptr<calc_ui::TMeasuredTableForm> measuredTableForm_;
};

} // namespace app
} // namespace zeft
