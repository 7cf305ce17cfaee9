#include "calc/TankChartForm.h"

#include "calc/ContentCurveForm.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TabOrder.h"
#include "tests/support/TempFolder.h"
#include "ui/QtFileDialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A save into a folder that does not exist: Windows says the path is not found, which the
// program tells as an invalid name; elsewhere the folder is a missing file.
#ifdef _WIN32
constexpr const char* kFolderMissing = "Invalid filename.";
#else
constexpr const char* kFolderMissing = "File not found.";
#endif

using zeft::CalculateTankContent;
using zeft::TankContent;
using zeft::calc_ui::TTankChartForm;
using zeft::testing::ScriptedPrompts;
using zeft::testing::TempFolder;
using zeft::ui::QtFileDialogs;

TankContent Triangle() {
    return *CalculateTankContent({6}, {"1000", "1000", "", "1000", "", "", ""}, '.').content;
}

std::vector<std::string> Row(const QTableView* view, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < 4; ++column) {
        cells.push_back(view->model()->index(row, column).data().toString().toStdString());
    }
    return cells;
}

// The table of a new step is computed in a thread of its own.
void WaitForTable(const TTankChartForm& form) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.ComputingTable(); }, 60000));
}

// The file dialog answers with this path and remembers its filters.
class AnsweringDialogs {
public:
    explicit AnsweringDialogs(std::optional<std::string> answer) {
        QtFileDialogs::SetDialogHandlerForTests([this, answer](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            return answer;
        });
    }
    ~AnsweringDialogs() { QtFileDialogs::SetDialogHandlerForTests({}); }
    QStringList filters;
};

class TankChartFormTest : public ::testing::Test {
protected:
    void SetUp() override { WaitForTable(form); }

    ScriptedPrompts prompts;
    TTankChartForm form{Triangle(), prompts};
    TempFolder folder;
};

TEST_F(TankChartFormTest, TableFollowsTheStep) {
    EXPECT_EQ(form.windowTitle(), "Tank Chart");
    EXPECT_EQ(form.StepEdit->text(), "10");
    ASSERT_EQ(form.DipTableView->model()->rowCount(), 101);
    EXPECT_EQ(form.DipTableView->model()->headerData(0, Qt::Horizontal).toString(), "Height (mm)");
    EXPECT_EQ(form.DipTableView->model()->headerData(2, Qt::Horizontal).toString(), "Gauge %");
    EXPECT_EQ(Row(form.DipTableView, 0), (std::vector<std::string>{"0", "0.00", "0.00", "0.000"}));
    EXPECT_EQ(Row(form.DipTableView, 50), (std::vector<std::string>{"500", "25.00", "26.00", "125.000"}));
    EXPECT_EQ(Row(form.DipTableView, 100), (std::vector<std::string>{"1000", "100.00", "100.00", "500.000"}));

    form.StepEdit->clear();
    QTest::keyClicks(form.StepEdit, "300");
    WaitForTable(form);
    ASSERT_EQ(form.DipTableView->model()->rowCount(), 5);
    EXPECT_EQ(Row(form.DipTableView, 3), (std::vector<std::string>{"900", "81.00", "82.00", "405.000"}));
    EXPECT_EQ(Row(form.DipTableView, 4), (std::vector<std::string>{"1000", "100.00", "100.00", "500.000"}));
    EXPECT_TRUE(form.StepErrorLabel->isHidden());

    // A step that is no number keeps the table, says why and holds the saves back.
    QTest::keyClick(form.StepEdit, Qt::Key_A);
    EXPECT_EQ(form.DipTableView->model()->rowCount(), 5);
    EXPECT_FALSE(form.StepErrorLabel->isHidden());
    EXPECT_EQ(form.StepErrorLabel->text(), "Invalid input for step value! The step must be a number greater than 0.");
    EXPECT_FALSE(form.SaveCsvBtn->isEnabled());
    EXPECT_FALSE(form.SavePdfBtn->isEnabled());
    EXPECT_TRUE(prompts.shown.empty());
}

// A long table is computed in a thread of its own, the last one shown meanwhile; a step that
// would give too many rows is refused at once, from the arithmetic, computing nothing.
TEST_F(TankChartFormTest, LongTablesLeaveTheWindowFree) {
    form.StepEdit->setText("0.1");
    EXPECT_TRUE(form.ComputingTable());
    EXPECT_EQ(form.Rows().size(), 101u);
    EXPECT_FALSE(form.SaveCsvBtn->isEnabled());
    EXPECT_TRUE(form.StepErrorLabel->isHidden());
    // A newer step replaces the one being computed.
    form.StepEdit->setText("0.2");
    WaitForTable(form);
    EXPECT_EQ(form.Rows().size(), 5001u);
    EXPECT_TRUE(form.SaveCsvBtn->isEnabled());

    form.StepEdit->setText("0.001");
    EXPECT_FALSE(form.ComputingTable());
    EXPECT_FALSE(form.StepErrorLabel->isHidden());
    EXPECT_EQ(form.StepErrorLabel->text(), "Invalid input for step value! The table would have more than 100001 rows.");
    EXPECT_EQ(form.Rows().size(), 5001u);
    EXPECT_FALSE(form.SaveCsvBtn->isEnabled());

    // A valid step typed while a table is computed, then refused: the refusal stands.
    form.StepEdit->setText("0.1");
    form.StepEdit->setText("abc");
    WaitForTable(form);
    EXPECT_FALSE(form.StepErrorLabel->isHidden());
    EXPECT_EQ(form.Rows().size(), 5001u);
    EXPECT_FALSE(form.SaveCsvBtn->isEnabled());
}

// The gauge's worst error is stated; the volume unit changes the table, the description and the CSV.
TEST_F(TankChartFormTest, GaugeErrorAndVolumeUnit) {
    EXPECT_EQ(form.GaugeErrorLabel->text(), "Largest gauge error: 1.00 points at 100.0 mm (10.0 % of H)");
    form.StepEdit->setText("500");
    WaitForTable(form);
    form.VolumeUnitBox->setCurrentIndex(form.VolumeUnitBox->findText("imperial gallons"));
    EXPECT_EQ(form.DipTableView->model()->headerData(3, Qt::Horizontal).toString(), "Volume (imp gal)");
    EXPECT_EQ(Row(form.DipTableView, 2), (std::vector<std::string>{"1000", "100.00", "100.00", "109.985"}));
    EXPECT_NE(form.Description().toStdString().find("Volume 109.985 imperial gallons."), std::string::npos);
    AnsweringDialogs dialogs((folder / "dip.csv").string());
    form.SaveCsvBtn->click();
    EXPECT_EQ(TempFolder::Read(folder / "dip.csv"),
              "height,percent,volume,gauge\n0,0.00,0.000,0.00\n500,25.00,27.496,26.00\n1000,100.00,109.985,100.00\n");
}

TEST_F(TankChartFormTest, LabelsNameTheirControlsAndTabReachesThemInOrder) {
    EXPECT_EQ(form.StepLabel->buddy(), form.StepEdit);
    EXPECT_EQ(form.TableLabel->buddy(), form.DipTableView);
    EXPECT_EQ(form.StepLabel->text(), "&Step (mm):");
    EXPECT_EQ(form.VolumeUnitLabel->buddy(), form.VolumeUnitBox);
    EXPECT_EQ(zeft::testing::TabOrder(form, form.StepEdit),
              (std::vector<std::string>{"StepEdit", "VolumeUnitBox", "DipTableView", "SaveCsvBtn", "SavePdfBtn",
                                        "CloseBtn"}));
    EXPECT_EQ(form.SaveCsvBtn->text(), "Save &CSV...");
    EXPECT_EQ(form.SavePdfBtn->text(), "Save &PDF...");
}

TEST_F(TankChartFormTest, SavesCsvWithTheExtensionAddedAndAsksBeforeReplacing) {
    form.StepEdit->setText("250");
    WaitForTable(form);
    {
        AnsweringDialogs dialogs((folder / "dip").string());
        form.SaveCsvBtn->click();
        EXPECT_EQ(dialogs.filters.front(), "CSV Files (*.csv)");
    }
    const std::string csv = "height,percent,volume,gauge\n0,0.00,0.000,0.00\n250,6.25,31.250,7.00\n"
                            "500,25.00,125.000,26.00\n750,56.25,281.250,57.00\n1000,100.00,500.000,100.00\n";
    EXPECT_EQ(TempFolder::Read(folder / "dip.csv"), csv);

    // The added extension names a file the dialog did not ask about: the window asks.
    form.StepEdit->setText("500");
    WaitForTable(form);
    prompts.Answer(zeft::ConfirmAnswer::No);
    {
        AnsweringDialogs dialogs((folder / "dip").string());
        form.SaveCsvBtn->click();
    }
    EXPECT_EQ(TempFolder::Read(folder / "dip.csv"), csv);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "dip.csv already exists.\nDo you want to replace it?");
}

TEST_F(TankChartFormTest, FailedSaveShowsTheFileErrorAndWritesNothing) {
    for (QPushButton* button : {form.SaveCsvBtn, form.SavePdfBtn}) {
        SCOPED_TRACE(button->objectName().toStdString());
        prompts.shown.clear();
        AnsweringDialogs dialogs((folder / "missing" / "chart").string());
        button->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.SavingPdf(); }, 60000));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::ApplicationError);
        EXPECT_EQ(prompts.shown[0].text, kFolderMissing);
        EXPECT_EQ(folder.Listing(), "");
    }
}

// A PDF that fails while the window closes is still told.
TEST(TankChartFormCloseTest, PdfFailureWhileClosingIsReported) {
    ScriptedPrompts prompts;
    TempFolder folder;
    {
        TTankChartForm form{Triangle(), prompts};
        WaitForTable(form);
        AnsweringDialogs dialogs((folder / "missing" / "chart").string());
        form.SavePdfBtn->click();
        form.CloseBtn->click();
    }
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::ApplicationError);
    EXPECT_EQ(prompts.shown[0].text, kFolderMissing);
}

TEST(TankChartFormReserveTest, DescriptionNamesTheReserveLevel) {
    ScriptedPrompts prompts;
    const TankContent rectangle =
        *CalculateTankContent({7, false, true}, {"1000", "1000", "", "1000", "", "", ""}, '.').content;
    TTankChartForm form{rectangle, prompts};
    EXPECT_NE(form.Description().toStdString().find("10% reserve: the sender reads empty at 100.00 mm"),
              std::string::npos)
        << form.Description().toStdString();
}

TEST_F(TankChartFormTest, PdfCarriesTheCurveAndTheWholeTable) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    form.StepEdit->setText("5"); // 201 rows: more than the first page holds
    WaitForTable(form);
    {
        AnsweringDialogs dialogs((folder / "chart").string());
        form.SavePdfBtn->click();
        EXPECT_EQ(dialogs.filters.front(), "PDF Files (*.pdf)");
    }
    // Drawn in a thread of its own; the saves wait for it.
    EXPECT_FALSE(form.SavePdfBtn->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.SavingPdf(); }, 60000));
    EXPECT_TRUE(form.SavePdfBtn->isEnabled());
    ASSERT_TRUE(prompts.shown.empty()) << prompts.shown[0].text;
    EXPECT_EQ(TempFolder::Read(folder / "chart.pdf").rfind("%PDF", 0), 0u);
    QProcess process;
    // -layout keeps each printed line of the table on one line of text.
    process.start(pdftotext, {QStringLiteral("-layout"), QString::fromStdString((folder / "chart.pdf").string()),
                              QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    const std::string text = process.readAllStandardOutput().toStdString();
    EXPECT_NE(text.find("Tank Chart"), std::string::npos) << text;
    EXPECT_NE(text.find("Volume 500.000 litres."), std::string::npos) << text;
    EXPECT_NE(text.find("Height (mm)"), std::string::npos) << text;
    EXPECT_NE(text.find("gauge error: 1.00 points at 100.0 mm"), std::string::npos) << text;
    // Each page is headed with the tank and its number.
    for (const char* heading : {"Page 1 of 2", "Page 2 of 2"}) {
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    }
    const std::string tank = "Shape 6, full tank";
    EXPECT_NE(text.find(tank, text.find(tank) + 1), std::string::npos) << text;
    // Every row's three numbers side by side, on the first page and the next.
    ASSERT_EQ(form.Rows().size(), 201u);
    // The words of the text, with a line break as a word of its own.
    std::vector<std::string> words;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream lineWords(line);
        for (std::string word; lineWords >> word;) {
            words.push_back(word);
        }
        words.emplace_back("\n");
    }
    for (const auto& row : form.Rows()) {
        const zeft::DipRowTexts cells = zeft::DipRowText(row, zeft::DefaultDipVolumes(false));
        const std::vector<std::string> printed{cells.height, cells.percent, cells.gauge, cells.volume};
        EXPECT_NE(std::search(words.begin(), words.end(), printed.begin(), printed.end()), words.end())
            << cells.height << " " << cells.percent << " " << cells.volume;
    }
}

} // namespace
