#include "app/ApplicationWindows.h"

#include "serial/SerialLink.h"
#include "serial/settings/SettingsFileMedium.h"
#include "tests/support/TempFolder.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft::app {
namespace {

std::vector<QWidget*> VisibleWindows() {
    std::vector<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            visible.push_back(widget);
        }
    }
    return visible;
}

// Start-up: the port dialog comes before any window is created or shown, then the seven
// windows follow in their fixed order (and the measured-table calculator after them), all
// hidden until the main window is shown; a cancelled dialog still leads to the main window,
// with the port closed.
TEST(ApplicationWindowsTest, ThePortDialogFirstThenTheSevenWindowsInOrder) {
    testing::TempFolder folder;
    std::vector<std::string> created;
    bool dialogAsked = false;
    TMain_Form::Options options;
    options.store =
        PortSettingsStore([file = folder / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
    options.enumeratePorts = [](std::vector<std::string>& ports) { ports.push_back("/dev/zeft-test-no-such-port"); };
    options.runPortDialog = [&](TSerialLinkDLG& dialog) {
        dialogAsked = true;
        EXPECT_TRUE(created.empty());
        EXPECT_TRUE(VisibleWindows().empty());
        EXPECT_EQ(dialog.windowTitle(), "Communication Settings");
        return int(QDialog::Rejected);
    };
    {
        ApplicationWindows windows(std::move(options), [&](QWidget& window) {
            created.push_back(window.windowTitle().toStdString());
            EXPECT_FALSE(window.isVisible());
        });
        EXPECT_TRUE(dialogAsked);
        EXPECT_EQ(created,
                  (std::vector<std::string>{"ZEFT Programmer", "About ZEFT Programmer", "Communication Settings",
                                            "Non-linear Tank Parameter Calculation by Tank Shape", "Battery Test",
                                            "Non-linear Tank Parameter Calculation by Tank Volume",
                                            "Non-linear Tank Parameter Calculation by Tank Height",
                                            "Non-linear Tank Parameter Calculation by Measured Table"}));
        EXPECT_EQ(Main_Form, &windows.MainForm());
        EXPECT_TRUE(VisibleWindows().empty());
        EXPECT_FALSE(windows.MainForm().SerialLink1.Active());
        EXPECT_EQ(windows.MainForm().StatusPanelText(0), "Please select COM port!");
    }
    EXPECT_EQ(Main_Form, nullptr);
}

} // namespace
} // namespace zeft::app
