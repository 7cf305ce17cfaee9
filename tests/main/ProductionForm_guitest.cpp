// File > Production... through the real main window on the virtual production line, by
// keyboard alone.
#include "main/ProductionForm.h"

#include "main/Main_Form.h"
#include "main/ProductionRun.h"
#include "serial/SerialLink.h"
#include "serial/settings/SettingsFileMedium.h"
#include "serial/virtual/VirtualSenderPortName.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempFolder.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace zeft {
namespace {

using testing::TempFolder;

class ProductionWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<TMain_Form> Make(const std::string& port) {
        TMain_Form::Options options;
        options.store =
            PortSettingsStore([file = folder_ / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
        options.enumeratePorts = [port](std::vector<std::string>& ports) { ports.push_back(port); };
        options.runPortDialog = [port](TSerialLinkDLG& dialog) {
            dialog.CBPort->setCurrentIndex(dialog.CBPort->findText(QString::fromStdString(port)));
            return int(QDialog::Accepted);
        };
        options.historyFile = folder_ / "history.jsonl";
        return std::make_unique<TMain_Form>(std::move(options));
    }

    TempFolder folder_;
    testing::MessageBoxRecorder boxes_;
    std::vector<std::string> announced_;
};

TEST_F(ProductionWindowTest, ThreeSendersByKeyboardThenStopDuringAWait) {
    const std::string port = "ZEFT Virtual Production Line (pace 1500, sender 2 forgetful)";
    const std::shared_ptr<VirtualProductionLine> line = RegisterVirtualProductionLine(port);
    auto form = Make(port);
    form->EditLinearA->setText(QStringLiteral("33"));
    bool reached = false;
    QTimer::singleShot(0, form.get(), [&] {
        auto* production = qobject_cast<TProductionForm*>(QApplication::activeModalWidget());
        ASSERT_NE(production, nullptr);
        production->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(production));
        // What a screen reader says of the state label at each change.
        const auto shown = production->Run().OnStateChanged;
        production->Run().OnStateChanged = [&, shown] {
            shown();
            announced_.push_back(
                QAccessible::queryAccessibleInterface(production->StateLabel)->text(QAccessible::Name).toStdString());
        };
        // The keys a person presses: the window opens with Start in focus.
        EXPECT_EQ(QApplication::focusWidget(), production->StartBtn);
        QTest::keyClicks(production->EditJobLabel, QStringLiteral("hull 117"));
        QTest::keyClick(production->EditCount, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(production->EditCount, QStringLiteral("3"));
        QTest::keyClick(production->StartBtn, Qt::Key_Space);
        EXPECT_EQ(production->StateLabel->text().toStdString(), "Connect the next sender");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !production->Run().Running(); }, 90000));
        EXPECT_EQ(production->PassedLabel->text().toStdString(), "Passed: 2");
        EXPECT_EQ(production->FailedLabel->text().toStdString(), "Failed: 1");
        EXPECT_EQ(production->SummaryLabel->text().toStdString().rfind("Programmed 2, failed 1, ", 0), 0u);
        EXPECT_EQ(QApplication::focusWidget(), production->StartBtn);

        // A silent sender comes next: never counted, and Stop ends the wait at once.
        line->SetNextSenderFaults({.silent = true});
        ASSERT_TRUE(QTest::qWaitFor([&] { return line->SenderNumber() == 4; }, 10000));
        QTest::keyClick(production->EditCount, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(production->EditCount, QStringLiteral("0"));
        QTest::keyClick(production->StartBtn, Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), production->StopBtn);
        EXPECT_FALSE(
            QTest::qWaitFor([&] { return production->Run().State() != ProductionState::AwaitingSender; }, 2500));
        QTest::keyClick(production->StopBtn, Qt::Key_Space);
        EXPECT_EQ(production->Run().State(), ProductionState::Ended);
        EXPECT_EQ(production->StateLabel->text().toStdString(), "Stopped");
        EXPECT_FALSE(form->SerialLink1.RTSState());
        QTest::keyClick(production, Qt::Key_Escape, Qt::NoModifier);
        reached = true;
    });
    form->Production1->trigger();
    ASSERT_TRUE(reached);
    EXPECT_TRUE(boxes_.Empty()) << boxes_.First();

    const std::vector<std::string> states = {"Connect the next sender", "Programming sender 1",
                                             "Sender 1 programmed and verified: disconnect it",
                                             "Connect the next sender", "Programming sender 2"};
    ASSERT_GE(announced_.size(), states.size());
    EXPECT_EQ(std::vector<std::string>(announced_.begin(), announced_.begin() + states.size()), states);
    EXPECT_NE(std::find_if(announced_.begin(), announced_.end(),
                           [](const std::string& text) {
                               return text.rfind("Sender 2 FAILED: The device did not keep these settings: ", 0) == 0;
                           }),
              announced_.end());

    std::ifstream history(folder_ / "history.jsonl");
    std::vector<HistoryRecord> records;
    for (std::string text; std::getline(history, text);) {
        records.push_back(HistoryRecordFromJson(text).value());
    }
    ASSERT_EQ(records.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i].label, "hull 117");
        EXPECT_EQ(records[i].unit, i + 1);
        EXPECT_EQ(records[i].source, "window");
        EXPECT_EQ(records[i].Succeeded(), i != 1);
    }
}

} // namespace
} // namespace zeft
