// File > "Compare with File..." and "Compare with Device" through the real main window.
#include "main/SettingsComparisonForm.h"

#include "main/ExchangeEngine.h"
#include "main/Main_Form.h"
#include "serial/settings/SettingsFileMedium.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempFolder.h"
#include "ui/QtFileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zeft {
namespace {

using testing::TempFolder;

const std::string kSender(kVirtualSenderPortName);

class CompareWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterVirtualSenderPort(); }

    CompareWindowTest() {
        TMain_Form::Options options;
        options.store =
            PortSettingsStore([file = folder_ / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
        options.enumeratePorts = [](std::vector<std::string>& ports) { ports.push_back(kSender); };
        options.runPortDialog = [](TSerialLinkDLG& dialog) {
            dialog.CBPort->setCurrentIndex(dialog.CBPort->findText(QString::fromStdString(kSender)));
            return int(QDialog::Accepted);
        };
        options.historyFile = folder_ / "history.jsonl";
        form_ = std::make_unique<TMain_Form>(std::move(options));
    }

    // Settings that differ from the sender's defaults in the fluid and level A only.
    void SetWindowSettings() {
        form_->ComboBoxFluid->setCurrentIndex(2);
        form_->EditTopLimit->setText("010");
        form_->EditLinearA->setText("5");
    }

    // The comparison window's rows as "setting|left|right|mark".
    static std::vector<std::string> Rows(const TSettingsComparisonForm& shown) {
        std::vector<std::string> rows;
        for (int row = 0; row < shown.RowList->rowCount(); ++row) {
            std::string line;
            for (int column = 0; column < shown.RowList->columnCount(); ++column) {
                line += (column ? "|" : "") + shown.RowList->item(row, column)->text().toStdString();
            }
            rows.push_back(line);
        }
        return rows;
    }

    std::vector<std::string> WindowSettings() const {
        return {form_->ComboBoxVoltage->currentText().toStdString(), form_->ComboBoxFluid->currentText().toStdString(),
                form_->EditTopLimit->text().toStdString(), form_->EditLinearA->text().toStdString()};
    }

    TempFolder folder_;
    testing::MessageBoxRecorder boxes_;
    std::unique_ptr<TMain_Form> form_;
};

TEST_F(CompareWindowTest, CompareWithFileShowsTheFileBesideTheWindowAndClosesWithEscape) {
    const std::string file = folder_
                                 .Write("tank.zcf", "[Sensor Parameters]\r\nOutput Type = 0x4\r\nFluid Type = 9\r\n"
                                                    "Top Limit = 10\r\nBottom Limit = 2000\r\n"
                                                    "[Tank Linearization Parameters]\r\nLevel A = 5\r\n")
                                 .string();
    SetWindowSettings();
    ui::QtFileDialogs::SetDialogHandlerForTests([&](QFileDialog&) -> std::optional<std::string> { return file; });
    std::vector<std::string> rows;
    bool closedByEscape = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<TSettingsComparisonForm*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        rows = Rows(*shown);
        QTest::keyClick(shown, Qt::Key_Escape);
        closedByEscape = !shown->isVisible();
    });
    const std::vector<std::string> before = WindowSettings();
    form_->CompareFile1->trigger();
    ui::QtFileDialogs::SetDialogHandlerForTests({});
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(rows,
              (std::vector<std::string>{"Output Type|4 (Resistive 300 - 10R)|0 (Voltage 0 - 5V)|differs",
                                        "Fluid Type|9 (no such code)|2 (Diesel)|differs",
                                        "Top Limit|10|010|same value, sent as typed: 010", "Bottom Limit|2000|2000|",
                                        "Level A|5|5|", "Level B|Invalid Data|40|differs",
                                        "Level C|Invalid Data|60|differs", "Level D|Invalid Data|80|differs"}));
    EXPECT_EQ(WindowSettings(), before) << "the window's settings stay as they were";
    EXPECT_TRUE(boxes_.Empty());
}

TEST_F(CompareWindowTest, CompareWithDeviceReadsIntoTheComparisonAndLeavesTheControls) {
    // The virtual sender keeps what earlier tests programmed: its defaults first.
    QTest::mouseClick(form_->ResetBtn, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form_->Engine().Running(); }, 20000));
    ASSERT_EQ(form_->StatusPanelText(0), "Device restored successfully!");
    SetWindowSettings();
    const std::vector<std::string> before = WindowSettings();
    form_->CompareDevice1->trigger();
    ASSERT_TRUE(form_->Engine().Running());
    // Like any operation: the commands that would disturb it are off, and so are the
    // controls, which get their settings back at its end.
    EXPECT_FALSE(form_->CompareDevice1->isEnabled());
    EXPECT_FALSE(form_->CompareFile1->isEnabled());
    EXPECT_FALSE(form_->EditLinearA->isEnabled());

    // The comparison runs its own loop once the read ended: looked at from a timer in there.
    std::vector<std::string> rows;
    std::vector<std::string> during;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* shown = qobject_cast<TSettingsComparisonForm*>(QApplication::activeModalWidget())) {
            rows = Rows(*shown);
            during = WindowSettings();
            shown->CloseBtn->click();
        }
    });
    watch.start(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rows.empty(); }, 20000)) << boxes_.First();
    watch.stop();

    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Output Type|0 (Voltage 0 - 5V)|0 (Voltage 0 - 5V)|", "Fluid Type|0 (Water)|2 (Diesel)|differs",
                        "Top Limit|10|010|same value, sent as typed: 010", "Bottom Limit|2000|2000|",
                        "Level A|20|5|differs", "Level B|40|40|", "Level C|60|60|", "Level D|80|80|"}));
    EXPECT_EQ(during, before) << "the read's settings are in the comparison, not in the window";
    EXPECT_TRUE(form_->EditLinearA->isEnabled());
    EXPECT_TRUE(form_->CompareDevice1->isEnabled());
    EXPECT_EQ(form_->StatusPanelText(0), "Device read successfully!");
    EXPECT_TRUE(boxes_.Empty()) << boxes_.First();
}

} // namespace
} // namespace zeft
