// The job history through the real main window: what its operations record, the history
// window, and the setup sheet of a programmed sender.
#include "main/JobHistoryForm.h"
#include "main/Main_Form.h"
#include "main/SettingsComparisonForm.h"

#include "main/ExchangeEngine.h"
#include "main/HistoryReader.h"
#include "serial/SerialLink.h"
#include "serial/settings/SettingsFileMedium.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempFolder.h"
#include "ui/QtFileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>

namespace zeft {
namespace {

using testing::TempFolder;

const std::string kSender(kVirtualSenderPortName);

class JobHistoryWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterVirtualSenderPort(); }

    std::unique_ptr<TMain_Form> Make(const std::filesystem::path& history, const std::string& port = kSender) {
        TMain_Form::Options options;
        options.store =
            PortSettingsStore([file = folder_ / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
        options.enumeratePorts = [port](std::vector<std::string>& ports) { ports.push_back(port); };
        options.runPortDialog = [port](TSerialLinkDLG& dialog) {
            dialog.CBPort->setCurrentIndex(dialog.CBPort->findText(QString::fromStdString(port)));
            return int(QDialog::Accepted);
        };
        options.historyFile = history;
        return std::make_unique<TMain_Form>(std::move(options));
    }

    static void Run(TMain_Form& form, QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Engine().Running(); }, 20000));
    }

    TempFolder folder_;
    testing::MessageBoxRecorder boxes_;
};

// The text poppler reads back from the PDF; nothing when the program is not there.
std::optional<std::string> TextOfPdf(const std::filesystem::path& file) {
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(reader, {QStringLiteral("-layout"), QString::fromStdString(file.string()), QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return process.readAllStandardOutput().toStdString();
}

TEST_F(JobHistoryWindowTest, HistoryListsTheOperationsAndLoadsOneIntoTheWindow) {
    auto form = Make(folder_ / "history.jsonl");
    Run(*form, form->ResetBtn);
    form->EditBottomLimit->setText("1500");
    form->EditLinearA->setText("5");
    Run(*form, form->Setbtn);
    ASSERT_EQ(form->StatusPanelText(0), "Device programmed successfully!");
    ASSERT_TRUE(boxes_.Empty()) << boxes_.First();

    // The window's copy of the settings moves on; the history keeps the restored ones.
    form->EditLinearA->setText("33");
    std::vector<std::string> rows;
    std::vector<std::string> compared;
    bool loadEnabled = false;
    QTimer::singleShot(0, [&] {
        auto* history = qobject_cast<TJobHistoryForm*>(QApplication::activeModalWidget());
        ASSERT_NE(history, nullptr);
        for (int row = 0; row < history->RecordList->rowCount(); ++row) {
            rows.push_back(history->RecordList->item(row, 1)->text().toStdString() + " " +
                           history->RecordList->item(row, 5)->text().toStdString());
        }
        // The newest is selected: the program, with what it sent and what came back.
        EXPECT_EQ(history->SettingsList->item(4, 0)->text(), "5");
        EXPECT_EQ(history->SettingsList->item(3, 1)->text(), "1500");
        // Each value beside its own setting's name.
        EXPECT_EQ(history->SettingsList->verticalHeaderItem(3)->text(), "Bottom Limit (Millimetre)");
        EXPECT_EQ(history->SettingsList->verticalHeaderItem(4)->text(), "Level A");
        history->RecordList->selectRow(1);
        EXPECT_EQ(history->SettingsList->item(4, 0)->text(), "") << "a restore sends nothing";
        EXPECT_EQ(history->SettingsList->item(4, 1)->text(), "20");
        loadEnabled = history->LoadBtn->isEnabled();
        // The restore's settings beside the window's: level A differs, as the window moved on.
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<TSettingsComparisonForm*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            for (int row = 0; row < shown->RowList->rowCount(); ++row) {
                compared.push_back(shown->RowList->item(row, 1)->text().toStdString() + " " +
                                   shown->RowList->item(row, 2)->text().toStdString() + " " +
                                   shown->RowList->item(row, 3)->text().toStdString());
            }
            shown->reject();
        });
        QTest::mouseClick(history->CompareBtn, Qt::LeftButton);
        QTest::mouseClick(history->LoadBtn, Qt::LeftButton);
    });
    form->History1->trigger();
    EXPECT_EQ(rows, (std::vector<std::string>{"program success", "restore success"})) << "newest first";
    EXPECT_TRUE(loadEnabled);
    ASSERT_EQ(compared.size(), 8u);
    EXPECT_EQ(compared[4], "20 33 differs");
    EXPECT_EQ(compared[3], "2000 1500 differs");
    EXPECT_EQ(compared[5], "40 40 ");
    EXPECT_EQ(form->EditLinearA->text(), "20");
    EXPECT_EQ(form->EditBottomLimit->text(), "2000");
    EXPECT_EQ(form->ComboBoxVoltage->currentIndex(), 0);
}

// The line of the text that starts with start, from there on; empty when none does.
std::string LineOf(const std::string& text, const std::string& start) {
    const std::size_t at = text.find(start);
    return at == std::string::npos ? std::string() : text.substr(at, text.find('\n', at) - at);
}

// As Found only from a read of this run with nothing between; the same on the sheet made
// at the time and on the one made later from the history window; the window's filters.
TEST_F(JobHistoryWindowTest, TheSheetsAsFoundIsAReadOfThisRunOrNothing) {
    const std::filesystem::path history = folder_ / "history.jsonl";
    {
        // An earlier run set the sender up and read it; this run only programs it.
        auto earlier = Make(history);
        Run(*earlier, earlier->Setbtn);
        Run(*earlier, earlier->ReadBtn);
    }
    auto form = Make(history);
    form->SetJob({"Sea Breeze 42 / fresh water", "J. Moreau", false, true});
    EXPECT_EQ(form->windowTitle(), "ZEFT Programmer - Sea Breeze 42 / fresh water");
    form->ComboBoxFluid->setCurrentIndex(2);
    form->EditLinearB->setText("44");
    Run(*form, form->Setbtn);
    ASSERT_TRUE(boxes_.Empty()) << boxes_.First();

    // The save dialog answered with file while ask runs.
    const auto saveAs = [&](const std::filesystem::path& file, const std::function<void()>& ask) {
        ui::QtFileDialogs::SetDialogHandlerForTests(
            [&](QFileDialog&) -> std::optional<std::string> { return file.string(); });
        ask();
        ui::QtFileDialogs::SetDialogHandlerForTests({});
        EXPECT_TRUE(boxes_.Empty()) << boxes_.First();
    };
    const auto sheetText = [&](const std::filesystem::path& file, const std::function<void()>& ask) {
        saveAs(file, ask);
        return TextOfPdf(file);
    };
    const std::optional<std::string> unread =
        sheetText(folder_ / "unread.pdf", [&] { form->SaveSetupSheet1->trigger(); });
    if (!unread) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the sheet was written but not read back";
    }
    EXPECT_NE(LineOf(*unread, "Fluid Type").find("not read before"), std::string::npos) << *unread;
    EXPECT_EQ(LineOf(*unread, "Fluid Type").find("Water"), std::string::npos) << "not the earlier run's read";

    // Read first: the program reads the sender, keeps that as the as-found and programs
    // what the window held.
    form->SetJob({"Sea Breeze 42 / fresh water", "J. Moreau", true, true});
    form->EditLinearB->setText("55");
    QTest::mouseClick(form->Setbtn, Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ReadHistory(history).records.size() == 5u && !form->Engine().Running(); }, 30000));
    EXPECT_EQ(form->StatusPanelText(0), "Device programmed successfully!");
    EXPECT_EQ(form->EditLinearB->text(), "55");
    const std::optional<std::string> now = sheetText(folder_ / "now.pdf", [&] { form->SaveSetupSheet1->trigger(); });
    ASSERT_TRUE(now);
    for (const char* shown : {"Sea Breeze 42 / fresh water", "J. Moreau", "read from the sender at", "UTC",
                              "Installer: signature", "Owner: signature"}) {
        EXPECT_NE(now->find(shown), std::string::npos) << shown << " in\n" << *now;
    }
    const std::string levelB = LineOf(*now, "Level B");
    const std::size_t found = levelB.find("44");
    ASSERT_NE(found, std::string::npos) << levelB;
    EXPECT_NE(levelB.find("55", found), std::string::npos) << levelB;
    EXPECT_NE(levelB.find("changed"), std::string::npos) << levelB;

    std::optional<std::string> later;
    std::vector<int> shown;
    std::string csv;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<TJobHistoryForm*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        later = sheetText(folder_ / "later.pdf", [&] { QTest::mouseClick(window->SheetBtn, Qt::LeftButton); });
        window->LabelFilterEdit->setText("BREEZE");
        shown.push_back(window->RecordList->rowCount());
        window->OperationFilterBox->setCurrentIndex(2); // program
        shown.push_back(window->RecordList->rowCount());
        window->UntilEdit->setText("2000-01-01");
        shown.push_back(window->RecordList->rowCount());
        window->UntilEdit->clear();
        saveAs(folder_ / "programs.csv", [&] { QTest::mouseClick(window->ExportBtn, Qt::LeftButton); });
        window->reject();
    });
    form->History1->trigger();
    ASSERT_TRUE(later);
    EXPECT_EQ(LineOf(*later, "Level B"), levelB) << "the sheet made later says the same";
    EXPECT_EQ(shown, (std::vector<int>{3, 2, 0})) << "this run's three records, two of them programs";
    std::ifstream exported(folder_ / "programs.csv", std::ios::binary);
    csv.assign(std::istreambuf_iterator<char>(exported), {});
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3) << csv;
}

TEST_F(JobHistoryWindowTest, AReadFirstThatFailsProgramsNothing) {
    const std::string silent = kSender + " (silent)";
    ASSERT_TRUE(RegisterVirtualSenderPort(silent));
    const std::filesystem::path history = folder_ / "history.jsonl";
    auto form = Make(history, silent);
    form->SetJob({"Workshop", "A. Li", true, true});
    form->EditLinearB->setText("44");
    QTest::mouseClick(form->Setbtn, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes_.shown.size() == 2u && !form->Engine().Running(); }, 20000));
    EXPECT_EQ(boxes_.shown[0].text, "Fail to connect with the device! Check connection or battery!");
    EXPECT_EQ(boxes_.shown[1].text, "The sender could not be read before programming, so it was not programmed.");
    EXPECT_FALSE(QTest::qWaitFor([&] { return form->Engine().Running(); }, 300)) << "no program after it";
    const HistoryListing listing = ReadHistory(history);
    ASSERT_EQ(listing.records.size(), 1u);
    EXPECT_EQ(listing.records[0].operation, DeviceOperation::Read);
    EXPECT_EQ(listing.records[0].label, "Workshop");
    EXPECT_EQ(form->EditLinearB->text(), "44") << "the settings to program are back";
}

TEST_F(JobHistoryWindowTest, AHistoryThatCannotBeWrittenWarnsAfterTheResult) {
    auto form = Make(folder_.Write("plain", "x") / "history.jsonl");
    Run(*form, form->ReadBtn);
    EXPECT_EQ(form->StatusPanelText(0), "Device read successfully!");
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, "The job history could not be written.");
    EXPECT_NE(boxes_.shown[0].detail.find("plain"), std::string::npos) << boxes_.shown[0].detail;
}

} // namespace
} // namespace zeft
