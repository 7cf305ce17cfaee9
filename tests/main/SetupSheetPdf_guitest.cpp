#include "main/SetupSheetPdf.h"

#include "main/PlainSettingsControls.h"
#include "tests/support/TempFolder.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace zeft::ui {
namespace {

using zeft::PlainSettingsControls;
using zeft::testing::TempFolder;

// The text poppler reads back from the PDF; nothing when the program is not there.
std::optional<std::string> TextOfPdf(const std::string& pdf, const TempFolder& folder) {
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty()) {
        return std::nullopt;
    }
    const std::string file = folder.Write("sheet.pdf", pdf).string();
    QProcess process;
    process.start(reader, {QStringLiteral("-layout"), QString::fromStdString(file), QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

// As the sender lists the settings below (shape 3: X 1200, H 800, W 600, Y 100, X1 300 mm).
const std::string kReply = "KOV\r\nOutput Type = 1 \r\nFluid Type = 2 \r\nTop Limit = 25\r\nBottom Limit = 800\r\n"
                           "Linear Levels = 4, 15, 33, 59, \r\n";

SetupSheetContent ShapeSheet(const std::string& reply) {
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(1);
    controls.SetFluidTypeIndex(2);
    controls.settings.edits = {"25", "800", "4", "15", "33", "59"};
    controls.replyText = reply;
    LevelSource source;
    source.calculated = true;
    source.shape = 3;
    source.picture = "pictures/shape3.jpg";
    source.volume = "180 litres";
    source.inputs = {{"X", "1200"}, {"H", "800"}, {"W", "600"}, {"Y", "100"}, {"X1", "300"}};
    source.levels = {"4", "15", "33", "59"};
    source.bottomLimitMillimetres = "800";
    return BuildSetupSheet(controls, {"/dev/ttyUSB0", true, 9600, 8, 0, 0, ""}, "2026-12-07 15:30", source);
}

TEST(SetupSheetPdfTest, PopplerReadsTheSettingsBack) {
    const TempFolder folder;
    const std::string pdf = SetupSheetPdf(ShapeSheet(kReply));
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    // The shape's picture is in the file.
    EXPECT_NE(pdf.find("/Subtype /Image"), std::string::npos);

    const std::optional<std::string> text = TextOfPdf(pdf, folder);
    if (!text) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the sheet was written but not read back";
    }
    for (const char* expected :
         {"ZEFT Programmer - Setup Sheet", "2026-12-07 15:30", "/dev/ttyUSB0", "9600 baud, 8 data bits, no parity",
          "Resistive 240 - 33R", "Diesel", "Top Limit (Millimetre)", "25", "Level D = 80% of Tank Level", "59 %",
          "Linear Levels = 4, 15, 33, 59,", "Levels from the Shape Calculator", "Tank narrowing to a point",
          "180 litres", "X1"}) {
        EXPECT_NE(text->find(expected), std::string::npos) << expected << "\n" << *text;
    }
}

// A reply as long as the sheet prints, with the picture, still fits two pages.
TEST(SetupSheetPdfTest, ALongReplyAndThePictureFitTwoPages) {
    const TempFolder folder;
    std::string reply;
    for (int line = 0; line < 200; ++line) {
        reply += "Line " + std::to_string(line) + " " + std::string(90, 'x') + "\r";
    }
    const std::string pdf = SetupSheetPdf(ShapeSheet(reply));
    const std::optional<std::string> text = TextOfPdf(pdf, folder);
    if (!text) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the page count cannot be read back";
    }
    // pdftotext ends every page with a form feed.
    EXPECT_LE(std::count(text->begin(), text->end(), '\f'), 2) << *text;
    EXPECT_NE(text->find("more lines not printed"), std::string::npos);
    EXPECT_NE(text->find("180 litres"), std::string::npos);
}

TEST(SetupSheetPdfTest, NoPictureWithoutAShapeCalculation) {
    PlainSettingsControls controls;
    const std::string pdf = SetupSheetPdf(BuildSetupSheet(controls, {}, "2026-12-07 15:30", std::nullopt));
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);
}

} // namespace
} // namespace zeft::ui
